#include "PgServer.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace VrlSchemaPgTest {

namespace fs = std::filesystem;

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The newest major version's bin folder of Debian's layout.
std::string FindBinDir() {
    std::string dir = Environment("VRLSCHEMA_PG_BINDIR");
    if (!dir.empty())
        return dir;
    int best = -1;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/usr/lib/postgresql", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (fs::exists(entry.path() / "bin" / "initdb") && std::stoi(name) > best) {
            best = std::stoi(name);
            dir = (entry.path() / "bin").string();
        }
    }
    return dir;
}

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char ch : text)
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

} // namespace

PgServer::~PgServer() {
    Stop();
}

bool PgServer::Fail(const std::string& message) {
    m_error = message;
    return false;
}

bool PgServer::ResolveUser() {
    if (geteuid() != 0)
        return true;
    std::vector<std::string> candidates;
    if (!Environment("VRLSCHEMA_PG_USER").empty())
        candidates.push_back(Environment("VRLSCHEMA_PG_USER"));
    candidates.insert(candidates.end(), {"vrlschema-pg", "postgres"});
    for (const std::string& name : candidates) {
        if (const passwd* entry = getpwnam(name.c_str())) {
            m_user = name;
            m_uid = entry->pw_uid;
            m_gid = entry->pw_gid;
            return true;
        }
    }
    return Fail("running as root and no unprivileged user for the server (vrlschema-pg or postgres): run "
                "scripts/setup.sh test");
}

bool PgServer::RunServerProgram(const std::string& program, const std::string& arguments) const {
    const std::string command =
        Quote(m_binDir + "/" + program) + " " + arguments + " >>" + Quote(m_folder + "/server.log") + " 2>&1";
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        if (!m_user.empty() &&
            (initgroups(m_user.c_str(), m_gid) != 0 || setgid(m_gid) != 0 || setuid(m_uid) != 0)) {
            _exit(126);
        }
        // The server user may not enter the caller's working folder.
        if (chdir(m_folder.c_str()) != 0)
            _exit(126);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string PgServer::LogTail(const char* name) const {
    std::ifstream log(m_folder + "/" + name);
    std::stringstream text;
    text << log.rdbuf();
    const std::string all = text.str();
    return all.size() > 4000 ? all.substr(all.size() - 4000) : all;
}

bool PgServer::Start() {
    m_binDir = FindBinDir();
    if (m_binDir.empty() || !fs::exists(m_binDir + "/initdb"))
        return Fail("no PostgreSQL server programs (initdb) found: run scripts/setup.sh test");
    if (!ResolveUser())
        return false;
    std::string pattern = (fs::temp_directory_path() / "vrlschema-pg-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return Fail("cannot create a temporary folder for the cluster");
    m_folder = pattern;
    if (!m_user.empty() && chown(m_folder.c_str(), m_uid, m_gid) != 0)
        return Fail("cannot hand " + m_folder + " to user " + m_user);
    const std::string data = m_folder + "/data";
    if (!RunServerProgram("initdb", "-D " + Quote(data) +
                                        " --username=vrlschema --auth=trust --encoding=UTF8 "
                                        "--locale=C.UTF-8 --no-sync --no-instructions")) {
        return Fail("initdb failed:\n" + LogTail("server.log"));
    }
    // Settings for a throw-away cluster: a socket in the private folder
    // only, and no waiting for the disk.
    {
        std::ofstream conf(data + "/postgresql.conf", std::ios::app);
        conf << "\nlisten_addresses = ''\nunix_socket_directories = '" << m_folder << "'\n"
             << "fsync = off\nsynchronous_commit = off\nfull_page_writes = off\n"
             << "max_connections = 20\nshared_buffers = 32MB\n";
        if (!conf)
            return Fail("cannot write " + data + "/postgresql.conf");
    }
    if (!RunServerProgram("pg_ctl", "-D " + Quote(data) + " -l " + Quote(m_folder + "/postgres.log") +
                                        " -w -t 60 start")) {
        return Fail("the server did not start:\n" + LogTail("server.log") + LogTail("postgres.log"));
    }
    m_running = true;
    if (!StartGuardian()) {
        Stop();
        return Fail("cannot start the guardian process");
    }
    return true;
}

bool PgServer::StartGuardian() {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (child == 0) {
        // Own process group, so that a signal to the test's group does not
        // take the guardian with it before it has cleaned up.
        setpgid(0, 0);
        signal(SIGINT, SIG_IGN);
        signal(SIGTERM, SIG_IGN);
        close(fds[1]);
        char byte;
        while (read(fds[0], &byte, 1) < 0 && errno == EINTR) {
        }
        // End of file: the test process is gone or has stopped the server.
        if (fs::exists(m_folder + "/data")) {
            RunServerProgram("pg_ctl", "-D " + Quote(m_folder + "/data") + " -m immediate -w stop");
            std::error_code ec;
            fs::remove_all(m_folder, ec);
        }
        _exit(0);
    }
    close(fds[0]);
    fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    m_guardianPipe = fds[1];
    m_guardian = child;
    return true;
}

void PgServer::Stop() {
    if (m_running) {
        RunServerProgram("pg_ctl", "-D " + Quote(m_folder + "/data") + " -m fast -w stop");
        m_running = false;
    }
    if (!m_folder.empty()) {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }
    if (m_guardianPipe >= 0) {
        close(m_guardianPipe);
        m_guardianPipe = -1;
        int status = 0;
        waitpid(m_guardian, &status, 0);
        m_guardian = -1;
    }
    m_folder.clear();
}

std::string PgServer::ConnectionString(const std::string& database) const {
    return "host=" + m_folder + " port=5432 user=vrlschema dbname=" + database + " client_encoding=UTF8";
}

} // namespace VrlSchemaPgTest
