// The test HTTP server: one thread, one connection at a time, answers by the current script.
#include <winsock2.h>

#include "support/TestHttpServer.h"

#include <cstdlib>

namespace {
// A socket bound to a free port of the loopback address (after WSAStartup); the port in port.
SOCKET BindLoopback(int& port)
{
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    SOCKET bound = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    bind(bound, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    int length = sizeof(address);
    getsockname(bound, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return bound;
}

std::string LoopbackHost(int port)
{
    return "127.0.0.1:" + std::to_string(port);
}
} // namespace

TestHttpServer::TestHttpServer()
{
    m_listener = BindLoopback(m_port);
    listen(m_listener, 8);
    m_thread = std::thread(&TestHttpServer::Run, this);
}

TestHttpServer::~TestHttpServer()
{
    m_stop = true;
    m_thread.join();
    for (Socket held : m_held) closesocket(held);
    closesocket(m_listener);
    WSACleanup();
}

void TestHttpServer::Serve(int status, const std::string& body)
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_mode = Mode::Serve;
    m_status = status;
    m_body = body;
}

void TestHttpServer::StayQuiet()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_mode = Mode::Quiet;
}

void TestHttpServer::SendEndlessly()
{
    std::lock_guard<std::mutex> lock(m_lock);
    m_mode = Mode::Endless;
}

std::string TestHttpServer::HostWithPort() const
{
    return LoopbackHost(m_port);
}

RefusingPort::RefusingPort() : m_socket(BindLoopback(m_port)) {}

RefusingPort::~RefusingPort()
{
    closesocket(m_socket);
    WSACleanup();
}

std::string RefusingPort::HostWithPort() const
{
    return LoopbackHost(m_port);
}

std::vector<std::string> TestHttpServer::Requests()
{
    std::lock_guard<std::mutex> lock(m_lock);
    return m_requests;
}

bool TestHttpServer::WaitFor(Socket socket, bool write)
{
    while (!m_stop) {
        fd_set set;
        FD_ZERO(&set);
        FD_SET(socket, &set);
        timeval wait = {0, 50000};
        const int ready = write ? select(0, nullptr, &set, nullptr, &wait) : select(0, &set, nullptr, nullptr, &wait);
        if (ready != 0) return ready > 0;
    }
    return false;
}

void TestHttpServer::Run()
{
    while (WaitFor(m_listener, false)) {
        SOCKET client = accept(m_listener, nullptr, nullptr);
        if (client != INVALID_SOCKET) Handle(client);
    }
}

void TestHttpServer::Handle(Socket client)
{
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && WaitFor(client, false)) {
        const int got = recv(client, buffer, sizeof(buffer), 0);
        if (got <= 0) break;
        request.append(buffer, static_cast<size_t>(got));
    }
    Mode mode;
    std::string answer;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_requests.push_back(request);
        mode = m_mode;
        if (mode == Mode::Quiet) {
            m_held.push_back(client);
            return;
        }
        answer = mode == Mode::Serve
                     ? "HTTP/1.1 " + std::to_string(m_status) + (m_status == 200 ? " OK" : " Not Found") +
                           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(m_body.size()) +
                           "\r\nConnection: close\r\n\r\n" + m_body
                     : "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n\r\n";
    }
    // An endless answer goes on until the client goes away or the server stops.
    const std::string endless(4096, 'x');
    const std::string* next = &answer;
    while (WaitFor(client, true) && send(client, next->data(), static_cast<int>(next->size()), 0) > 0 &&
           mode == Mode::Endless)
        next = &endless;
    shutdown(client, SD_SEND);
    closesocket(client);
}

ScopedEnvironmentVariable::ScopedEnvironmentVariable(const char* name, const std::string& value) : m_name(name)
{
    if (const char* old = std::getenv(name)) {
        m_hadValue = true;
        m_oldValue = old;
    }
    _putenv_s(name, value.c_str());
}

ScopedEnvironmentVariable::~ScopedEnvironmentVariable()
{
    _putenv_s(m_name.c_str(), m_hadValue ? m_oldValue.c_str() : "");
}
