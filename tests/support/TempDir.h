#pragma once
// A fresh folder for one test, made the current folder while the object lives.
#include <string>
#include <vector>

class cTempDir {
public:
    cTempDir();
    ~cTempDir();
    cTempDir(const cTempDir&) = delete;
    cTempDir& operator=(const cTempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Writes or reads a file relative to the folder.
    void Write(const std::string& name, const std::string& bytes) const;
    void Write(const std::string& name, const std::vector<char>& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::string m_path;
    std::string m_previous;
};
