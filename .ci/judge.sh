# Sourced, after common.sh, by the passes that make packages: judge, and what it knows of each
# machine.

# What file says of each machine's programs, and on 32-bit ARM, readelf of their float ABI; and
# the processors each archive's name stands for, where qemu's own would be newer or more: ARMv5
# and ARMv6 (the Raspberry Pi Zero and 1) for armv6l; ARMv7, and ARMv8 running 32-bit programs
# (armv8l), for armv7l; a Pentium II for i686.
declare -A elf=([x86_64]='x86-64' [aarch64]='ARM aarch64' [armv6l]='32-bit LSB .* ARM, EABI5'
  [armv7l]='32-bit LSB .* ARM, EABI5' [i686]='Intel 80386' [ppc64le]='64-bit LSB .* PowerPC'
  [riscv64]='64-bit LSB .* RISC-V' [s390x]='64-bit MSB .* IBM S/390')
declare -A abi=([armv6l]='soft-float ABI' [armv7l]='hard-float ABI')
declare -A cpus=([armv6l]='arm926 arm1176' [armv7l]='cortex-a7 max' [i686]=pentium2)
is_for() {
  local opis
  opis=$(file -b "$1")
  [[ $opis =~ ${elf[$2]} && $opis == *"$3 linked"* ]] &&
    { [[ -z ${abi[$2]:-} ]] || readelf -h "$1" | grep -q "${abi[$2]}"; } ||
    { echo "$1 is not a $3 linked program for $2: $opis" >&2; exit 1; }
}

# judge ARCH MACHINE [QEMU TRIPLE]: the .deb and the Linux archive of one machine, as a packages
# pass left them. Their checksums hold, and each program is for the machine in its package's name,
# the archive's for the oldest Linux the README gives for it:
# the .deb's linked dynamically and hardened as Debian asks (PIE, stack protector, read-only
# relocations, immediate binding; fortify finds no call to protect in this program, and Debian
# 12's C start files lack the control-flow marking, so those two are shown, not judged), the
# archive's statically. Every end-to-end case runs against each, the archive's as the README's
# line unpacks it, and another machine's under qemu-user: the .deb's with the target's libraries,
# the archive's on each of the processors its name stands for.
judge() {
  local deb archive dir=build/z/$1 processor
  deb=$(deb_of "$1") archive=$(archive_of "$2")
  (cd build/packages && sha256sum -c "$deb.sha256" "$archive.sha256")
  [[ $(dpkg-deb -f "build/packages/$deb" Architecture) == "$1" ]] ||
    { echo "$deb says it is for $(dpkg-deb -f "build/packages/$deb" Architecture)" >&2; exit 1; }
  rm -rf "$dir" && mkdir -p "$dir"
  dpkg-deb -x "build/packages/$deb" "$dir/deb"
  is_for "$dir/deb/usr/bin/lista" "$2" dynamically
  hardening-check --nofortify --nocfprotection "$dir/deb/usr/bin/lista"
  (cd build/packages && HOME=$OLDPWD/$dir bash -euc "$(archive_line "$2")")
  is_for "$dir/.local/bin/lista" "$2" statically
  [[ $(file -b "$dir/.local/bin/lista") == *"for GNU/Linux $(kernel_of "$2").0,"* ]] ||
    { echo "$archive's program is not for Linux $(kernel_of "$2"), as the README says" >&2; exit 1; }
  e2e_on "$dir/deb/usr/bin/lista" ${3:+"qemu-$3" -L "/usr/$4"}
  for processor in ${cpus[$2]:-""}; do
    e2e_on "$dir/.local/bin/lista" ${3:+"qemu-$3"} ${processor:+-cpu "$processor"}
  done
}
