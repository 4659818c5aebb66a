#include "tests/support/TempDir.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <stdexcept>

#include "framework/Format.h"

namespace {

void MakeFolders(const std::string& path) {
    size_t pos = path.find('\\', 3);
    while (pos != std::string::npos) {
        CreateDirectoryA(path.substr(0, pos).c_str(), nullptr);
        pos = path.find('\\', pos + 1);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveTree(const std::string& path) {
    std::string from = path + '\0';  // the shell wants a double-zero-terminated list
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

}  // namespace

cTempDir::cTempDir() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    static int serial = 0;
    m_path = Format("%skit_test_%lu_%lu_%d", temp, GetCurrentProcessId(), GetTickCount(), ++serial);
    MakeFolders(m_path);
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    m_previous = current;
    if (!SetCurrentDirectoryA(m_path.c_str())) throw std::runtime_error("cannot enter " + m_path);
}

cTempDir::~cTempDir() {
    SetCurrentDirectoryA(m_previous.c_str());
    RemoveTree(m_path);
}

void cTempDir::Write(const std::string& name, const std::string& bytes) const {
    std::string full = m_path + "\\" + name;
    size_t slash = full.rfind('\\');
    MakeFolders(full.substr(0, slash));
    FILE* fp = fopen(full.c_str(), "wb");
    if (!fp) throw std::runtime_error("cannot write " + full);
    fwrite(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
}

void cTempDir::Write(const std::string& name, const std::vector<char>& bytes) const {
    Write(name, std::string(bytes.begin(), bytes.end()));
}

std::string cTempDir::Read(const std::string& name) const {
    std::string full = m_path + "\\" + name;
    FILE* fp = fopen(full.c_str(), "rb");
    if (!fp) return std::string();
    std::string bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, fp)) > 0) bytes.append(buffer, n);
    fclose(fp);
    return bytes;
}

bool cTempDir::Exists(const std::string& name) const {
    return GetFileAttributesA((m_path + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}
