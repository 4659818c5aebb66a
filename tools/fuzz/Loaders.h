#pragma once
// The loaders the fuzz program feeds: each with the object it loads into and the good files of
// the factory project it damages.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class cFuzzTarget {
public:
    virtual ~cFuzzTarget() = default;
    // Loads the file into the object; false when the loader refuses it.
    virtual bool Load(const char* file) = 0;
    // What the object holds, as bytes: compared before and after a refused load, and after a
    // round trip.
    virtual std::string State() = 0;
    // Writes the object in the loader's own format; false for loaders that have no writer (their
    // round trip is a second load of the same file into a fresh object).
    virtual bool Save(const char* file) { return false; }
    // A refused load leaves the object as it was; a few loaders empty it by design instead
    // (the Ogg voice closes its song before it opens another).
    virtual bool KeepsOnFailure() const { return true; }
};

struct cFuzzLoader {
    const char* name;
    std::vector<const char*> files;  // relative to the project folder
    std::function<std::unique_ptr<cFuzzTarget>()> make;
};

// Every loader, in a fixed order. Set-up a loader needs (a window and DirectDraw for the game's
// bitmaps, Vox.dll for the Ogg player) is made by its first object.
const std::vector<cFuzzLoader>& FuzzLoaders();
