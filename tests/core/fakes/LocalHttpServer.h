// A tiny HTTP server on 127.0.0.1 for tests of the web requests: a thread answering fixed
// addresses, one connection at a time, and keeping every request line it was sent.
//   /ok        200 with a short body
//   /missing   404
//   /no-head   405 to HEAD, 200 to GET
//   /moved     301 to /ok
//   /silent    never answers (the connection is held open until the server stops)
//   else       404
#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velto::test {

class LocalHttpServer {
public:
    LocalHttpServer(); // listens on a free port; throws when it cannot
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    [[nodiscard]] int Port() const noexcept { return port_; }
    // "http://127.0.0.1:PORT" followed by path.
    [[nodiscard]] std::string Url(const std::string& path) const;
    // The request lines answered so far ("HEAD /no-head"), in order.
    [[nodiscard]] std::vector<std::string> Requests() const;

private:
    void Serve();
    void Answer(int connection);

    int listener_ = -1;
    int wake_[2] = {-1, -1}; // written to end the serving thread
    int port_ = 0;
    std::vector<int> held_; // connections of /silent, closed at the end
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace velto::test
