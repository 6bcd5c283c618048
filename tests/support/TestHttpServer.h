// A small HTTP server on 127.0.0.1 for the update check: it answers every request with one
// scripted behaviour and records the requests it saw.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TestHttpServer {
public:
    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    // Answers with that status and body (the body sent as it is, Content-Length set).
    void Serve(int status, const std::string& body);
    // Accepts connections and never answers.
    void StayQuiet();
    // Answers with a body that never ends.
    void SendEndlessly();

    // "127.0.0.1:port", the value for VEKOLAUNCH_UPDATE_HOST.
    std::string HostWithPort() const;
    // Every request head so far ("GET /path HTTP/1.1" and the header lines).
    std::vector<std::string> Requests();

private:
    enum class Mode { Serve, Quiet, Endless };
    using Socket = uintptr_t; // the socket type, without the socket headers for every includer
    void Run();
    void Handle(Socket client);
    // Waits until the socket can be read (or written); false when the server stops first.
    bool WaitFor(Socket socket, bool write);

    Socket m_listener = 0;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::mutex m_lock;
    Mode m_mode = Mode::Serve;
    int m_status = 200;
    std::string m_body;
    std::vector<std::string> m_requests;
    std::vector<Socket> m_held; // connections kept open without an answer
    std::thread m_thread;
};

// A loopback port that refuses every connection, as one whose server has gone does. It is bound
// but never listens, so while it lives no other test's server can be given the port.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;
    std::string HostWithPort() const;

private:
    uintptr_t m_socket = 0;
    int m_port = 0;
};

// Sets an environment variable for the life of the object and restores the old value.
class ScopedEnvironmentVariable {
public:
    ScopedEnvironmentVariable(const char* name, const std::string& value);
    ~ScopedEnvironmentVariable();
    ScopedEnvironmentVariable(const ScopedEnvironmentVariable&) = delete;
    ScopedEnvironmentVariable& operator=(const ScopedEnvironmentVariable&) = delete;

private:
    std::string m_name;
    bool m_hadValue = false;
    std::string m_oldValue;
};
