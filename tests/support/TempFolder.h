#pragma once
// A fresh folder under the system's temporary folder, removed with its contents at the end.

#include <filesystem>
#include <string>

namespace korva::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// A file's whole content, byte for byte; empty when it cannot be read.
std::string fileText(const std::string& path);

}  // namespace korva::test
