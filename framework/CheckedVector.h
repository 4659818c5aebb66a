#pragma once
// Vectors and lists whose indexed access is checked: a bad index is logged and reported, the
// main window is told to close, and the caller gets a usable element so it can run on until the
// close takes effect.
#include <cstddef>
#include <list>
#include <vector>

// How a bad access closes the main window. Editor code outside the framework destroys it at
// once; the framework's own containers and the game program post WM_CLOSE. Code shared by both
// programs (the project records) takes the form the running program chose at start-up.
enum eCloseForm { eClosePost, eCloseDestroy, eCloseProgram };

// The form eCloseProgram stands for; posting until a program chooses otherwise.
void SetProgramCloseForm(eCloseForm form);

// Writes "err V[i] ( size , elementSize )" (or L) to the error log and the report and closes the
// main window in the given form.
void ReportBadIndex(char kind, int index, int size, int elementSize, eCloseForm form);

template <class T, eCloseForm Form = eClosePost>
class cCheckedVector : public std::vector<T> {
public:
    using std::vector<T>::vector;

    T& At(int index) {
        if (index >= 0 && static_cast<size_t>(index) < this->size()) return (*this)[index];
        ReportBadIndex('V', index, static_cast<int>(this->size()), static_cast<int>(sizeof(T)), Form);
        // An empty vector has no element 0: the caller gets a scratch default element instead.
        if (this->empty()) return Fallback();
        return (*this)[0];
    }
    const T& At(int index) const { return const_cast<cCheckedVector*>(this)->At(index); }

private:
    static T& Fallback() {
        static T element;
        element = T();
        return element;
    }
};

template <class T, eCloseForm Form = eClosePost>
class cCheckedList : public std::list<T> {
public:
    using std::list<T>::list;

    T& At(int index) {
        if (index >= 0 && static_cast<size_t>(index) < this->size()) {
            auto it = this->begin();
            for (int i = 0; i < index; ++i) ++it;
            return *it;
        }
        ReportBadIndex('L', index, static_cast<int>(this->size()), static_cast<int>(sizeof(T)), Form);
        static T element;
        return element;
    }
    const T& At(int index) const { return const_cast<cCheckedList*>(this)->At(index); }
};

// The editor's own containers (pages, records, lists of its data) close at once.
template <class T>
using cEdVector = cCheckedVector<T, eCloseDestroy>;
template <class T>
using cEdList = cCheckedList<T, eCloseDestroy>;
