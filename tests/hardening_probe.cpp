// Built with the project's own flags, it shows what the program's code does not: a formatted
// print of a fixed-size buffer comes out as a checked libc call (__printf_chk) when fortification
// is in force, and a stack frame larger than a page is touched page by page (stack clash
// protection) before it is used.
#include <cstdio>
#include <cstring>

namespace {

// Larger than a guard page, so with stack clash protection the frame is probed as it grows.
__attribute__((noinline)) int largeFrame(const char *text)
{
    char pages[64 * 1024];
    std::strncpy(pages, text, sizeof pages - 1);
    pages[sizeof pages - 1] = '\0';
    return int(std::strlen(pages));
}

} // namespace

int main(int argc, char **argv)
{
    char buffer[16];
    const std::size_t length = std::strlen(argv[0]) % sizeof buffer;
    std::memcpy(buffer, argv[0], length);
    std::printf("%.*s\n", int(length), buffer);
    return argc > 1 ? largeFrame(argv[1]) : 0;
}
