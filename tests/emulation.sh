# Sourced by needs.sh and scripts/test (POSIX sh).
# emulated_by: prints the emulator this system runs under, or nothing when it runs natively.
# Under qemu-user (an arm64 system on an amd64 machine, through binfmt_misc) the kernel runs the
# emulator, and it shows as the executable of this very shell: qemu answers a process's own
# /proc/self/exe with the guest program, but not another process's link, which the kernel
# answers. uname, which qemu answers for its guest, and the kernel's own machine are printed too.
emulated_by() {
    _exe=$(readlink "/proc/$$/exe" 2>/dev/null) || _exe=
    case ${_exe##*/} in
    qemu-*) echo "${_exe##*/} (the kernel's machine is $(cat /proc/sys/kernel/arch 2>/dev/null ||
        echo unknown), this system's $(uname -m))" ;;
    esac
}
