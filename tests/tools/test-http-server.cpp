// The tests' HTTP server as a program for the shell tests: prints its port, answers until
// its standard input closes, then prints the request lines it answered, one a line.
#include "core/fakes/LocalHttpServer.h"

#include <iostream>

int main() {
    velto::test::LocalHttpServer server;
    std::cout << server.Port() << std::endl;
    char c = 0;
    while (std::cin.get(c)) {
    }
    for (const std::string& request : server.Requests())
        std::cout << request << '\n';
    return 0;
}
