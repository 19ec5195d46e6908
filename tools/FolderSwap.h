// FolderSwap puts a set of files into a folder all at once, or not at all.
// The files are written into a fresh temporary folder beside the target (on
// the same file system, so that moving a file is a rename), and moved into
// place only once every one was written. A file that replaces an older one
// keeps the older aside until the last move succeeded, so that a failed move
// puts everything back. The temporary folder is removed in every case.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace VrlSchemaTool {

class FolderSwap {
public:
    // Raises OutputError when the target is not a folder or the temporary
    // folder cannot be made.
    explicit FolderSwap(std::filesystem::path target);
    ~FolderSwap();
    FolderSwap(const FolderSwap&) = delete;
    FolderSwap& operator=(const FolderSwap&) = delete;

    // Writes one file into the temporary folder; raises OutputError.
    void Add(const std::string& name, std::string_view text);
    // Moves every file into the target; raises OutputError, after which the
    // target is as it was.
    void Commit();

    std::filesystem::path TargetPath(const std::string& name) const { return m_target / name; }

private:
    void MoveIntoPlace();

    std::filesystem::path m_target;
    std::filesystem::path m_temp;
    std::vector<std::string> m_names;
};

} // namespace VrlSchemaTool
