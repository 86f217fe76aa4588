// The test HTTP server on 127.0.0.1.
#include "core/fakes/LocalHttpServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace velto::test {

namespace {
void SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += static_cast<std::size_t>(n);
    }
}

std::string Response(int status, const char* reason, const std::string& extraHeaders,
                     const std::string& body, bool head) {
    std::string out = "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n" + extraHeaders +
                      "Content-Length: " + std::to_string(body.size()) +
                      "\r\nConnection: close\r\n\r\n";
    if (!head)
        out += body;
    return out;
}
} // namespace

LocalHttpServer::LocalHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listener_ < 0 || ::pipe2(wake_, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make the test server's sockets");
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 64) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error("the test server cannot listen");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    const char byte = 0;
    (void)!::write(wake_[1], &byte, 1);
    thread_.join();
    for (int fd : held_)
        ::close(fd);
    ::close(listener_);
    ::close(wake_[0]);
    ::close(wake_[1]);
}

std::string LocalHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::vector<std::string> LocalHttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void LocalHttpServer::Serve() {
    for (;;) {
        pollfd fds[2] = {{listener_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents)
            return;
        if (fds[0].revents & POLLIN) {
            const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection >= 0)
                Answer(connection);
        }
    }
}

void LocalHttpServer::Answer(int connection) {
    // The request head, read until its blank line (or the client gives up).
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        pollfd fd{connection, POLLIN, 0};
        if (::poll(&fd, 1, 5000) <= 0)
            break;
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    const std::string line = head.substr(0, head.find("\r\n"));
    const std::size_t space = line.find(' ');
    const std::string method = line.substr(0, space);
    const std::string path = space == std::string::npos
                                 ? ""
                                 : line.substr(space + 1, line.find(' ', space + 1) - space - 1);
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(method + " " + path);
    }
    const bool isHead = method == "HEAD";
    std::string reply;
    if (path == "/silent") {
        held_.push_back(connection);
        return;
    }
    if (path == "/ok")
        reply = Response(200, "OK", "", "<p>hello</p>\n", isHead);
    else if (path == "/no-head")
        reply = isHead ? Response(405, "Method Not Allowed", "Allow: GET\r\n", "", true)
                       : Response(200, "OK", "", "<p>only GET</p>\n", false);
    else if (path == "/moved")
        reply = Response(301, "Moved Permanently", "Location: /ok\r\n", "", isHead);
    else
        reply = Response(404, "Not Found", "", "<p>not here</p>\n", isHead);
    SendAll(connection, reply);
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
}

} // namespace velto::test
