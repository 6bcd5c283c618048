#!/usr/bin/env bash
# Wine's 64-bit loader, started with the address-space layout it needs.
#
# Debian's Wine comes without the preloader that would keep the loader's address space in order.
# The loader is linked at 0x7d000000 and the kernel starts its heap at a random place in the
# gigabyte after it; about one start in a few thousand that heap covers 0x7ffe0000, where Wine
# must map the shared user data, and the loader ends at once with exit code 1 (its message is
# one of those WINEDEBUG=-all keeps quiet). Without address-space randomization the heap stays
# right after the loader. The setting is inherited: the programs a test starts get it too.
# Where the kernel refuses it (some containers), the loader runs as it is.
loader=/usr/lib/wine/wine64
if setarch "$(uname -m)" -R true 2>/dev/null; then
  exec setarch "$(uname -m)" -R "$loader" "$@"
fi
exec "$loader" "$@"
