// PgServer: a private PostgreSQL cluster for one test run.
//
// Start() runs initdb into a fresh temporary folder and starts the server
// with its Unix socket in that folder only: no TCP port, nothing shared with
// other runs or with a server of the machine. PostgreSQL refuses to run as
// root, so under root every server program runs as an unprivileged system
// user (VRLSCHEMA_PG_USER, else "vrlschema-pg", else "postgres"; see
// scripts/setup.sh), which owns the folder. The server programs are looked
// for in VRLSCHEMA_PG_BINDIR, else in the newest /usr/lib/postgresql/<n>/bin.
//
// Stop() stops the server and removes the folder. A guardian process forked
// at start does the same when the test process ends without calling Stop()
// (a crash, an abort, a kill), so no cluster outlives its run.
#pragma once

#include <string>

#include <sys/types.h>

namespace VrlSchemaPgTest {

class PgServer {
public:
    PgServer() = default;
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;
    ~PgServer();

    // False with Error() set when the cluster cannot be made or started.
    bool Start();
    void Stop();

    bool IsRunning() const { return m_running; }
    const std::string& Error() const { return m_error; }
    // libpq connection string of database `database` on this server.
    std::string ConnectionString(const std::string& database) const;
    const std::string& Folder() const { return m_folder; }

private:
    bool Fail(const std::string& message);
    // Runs `program` of the server's bin folder as the server user, output
    // appended to the folder's log; true on exit status 0.
    bool RunServerProgram(const std::string& program, const std::string& arguments) const;
    bool ResolveUser();
    bool StartGuardian();
    // The last part of a log file of the folder.
    std::string LogTail(const char* name) const;

    std::string m_binDir;
    std::string m_folder;
    std::string m_user; // empty when the process is not root
    uid_t m_uid = 0;
    gid_t m_gid = 0;
    bool m_running = false;
    int m_guardianPipe = -1;
    pid_t m_guardian = -1;
    std::string m_error;
};

} // namespace VrlSchemaPgTest
