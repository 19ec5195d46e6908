#include "FolderSwap.h"

#include <random>
#include <system_error>

#include "OutputWriter.h"
#include "ToolErrors.h"

namespace fs = std::filesystem;

namespace VrlSchemaTool {

namespace {

[[noreturn]] void Fail(const fs::path& path, const std::error_code& ec) {
    throw OutputError{path.string() + ": " + ec.message()};
}

} // namespace

FolderSwap::FolderSwap(fs::path target) : m_target(std::move(target)) {
    std::error_code ec;
    if (fs::exists(m_target, ec) && !fs::is_directory(m_target, ec))
        Fail(m_target, std::make_error_code(std::errc::not_a_directory));
    fs::path parent = m_target.parent_path();
    if (parent.empty())
        parent = ".";
    fs::create_directories(parent, ec);
    if (ec)
        Fail(parent, ec);
    const std::string base = m_target.filename().empty() ? "out" : m_target.filename().string();
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const fs::path candidate = parent / ("." + base + ".vrlschema-" + std::to_string(random() % 1000000));
        if (fs::create_directory(candidate, ec)) {
            m_temp = candidate;
            return;
        }
        if (ec)
            Fail(candidate, ec);
    }
    Fail(parent / ("." + base + ".vrlschema-*"), std::make_error_code(std::errc::file_exists));
}

FolderSwap::~FolderSwap() {
    std::error_code ec;
    if (!m_temp.empty())
        fs::remove_all(m_temp, ec);
}

void FolderSwap::Add(const std::string& name, std::string_view text) {
    OutputWriter::WriteFile(m_temp / name, text);
    m_names.push_back(name);
}

void FolderSwap::Commit() {
    std::error_code ec;
    // Whatever might stop a move is looked for before the first one.
    for (const std::string& name : m_names) {
        if (fs::is_directory(m_target / name, ec))
            Fail(m_target / name, std::make_error_code(std::errc::is_a_directory));
    }
    if (!fs::exists(m_target, ec)) {
        fs::rename(m_temp, m_target, ec);
        if (ec)
            Fail(m_target, ec);
        m_temp.clear();
        return;
    }
    MoveIntoPlace();
}

void FolderSwap::MoveIntoPlace() {
    const fs::path previous = m_temp / ".previous";
    std::error_code ec;
    fs::create_directory(previous, ec);
    if (ec)
        Fail(previous, ec);
    struct Moved {
        std::string name;
        bool replaced;
    };
    std::vector<Moved> moved;
    auto undo = [&] {
        std::error_code ignored;
        for (auto it = moved.rbegin(); it != moved.rend(); ++it) {
            if (it->replaced)
                fs::rename(previous / it->name, m_target / it->name, ignored);
            else
                fs::remove(m_target / it->name, ignored);
        }
    };
    for (const std::string& name : m_names) {
        const fs::path destination = m_target / name;
        const bool replaced = fs::exists(destination, ec);
        if (replaced) {
            fs::rename(destination, previous / name, ec);
            if (ec) {
                undo();
                Fail(destination, ec);
            }
        }
        fs::rename(m_temp / name, destination, ec);
        if (ec) {
            if (replaced) {
                std::error_code ignored;
                fs::rename(previous / name, destination, ignored);
            }
            undo();
            Fail(destination, ec);
        }
        moved.push_back({name, replaced});
    }
}

} // namespace VrlSchemaTool
