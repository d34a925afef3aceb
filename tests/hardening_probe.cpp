// Built with the project's own flags: a formatted print of a fixed-size buffer must come out as a
// checked libc call (__printf_chk) when fortification is in force.
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    char buffer[16];
    const std::size_t length = std::strlen(argv[0]) % sizeof buffer;
    std::memcpy(buffer, argv[0], length);
    std::printf("%.*s\n", int(length), buffer);
    return argc > 1;
}
