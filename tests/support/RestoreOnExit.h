#pragma once
// Keeps a copy of a process-wide object (the project's database, its stage, a setting) and puts
// it back when the scope ends, so a test that changes it leaves the next test of the same
// program what it found.
template <class T>
class cRestoreOnExit {
public:
    explicit cRestoreOnExit(T& object) : m_object(object), m_saved(object) {}
    ~cRestoreOnExit() { m_object = m_saved; }
    cRestoreOnExit(const cRestoreOnExit&) = delete;
    cRestoreOnExit& operator=(const cRestoreOnExit&) = delete;

private:
    T& m_object;
    T m_saved;
};
