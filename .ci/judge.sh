# Sourced, after common.sh, by the passes that make packages: the judges, and what they know.
# What file says of each machine's programs, readelf of 32-bit ARM's float ABI, and the processors
# each archive's name stands for, where qemu's own would be newer: ARMv5 and ARMv6 (the Raspberry
# Pi Zero and 1) for armv6l; ARMv7, and ARMv8 running 32-bit programs, for armv7l; i686's Pentium II.
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

# judge_deb ARCH MACHINE [QEMU], judge_archive MACHINE [QEMU]: a .deb as the debs pass left it, an
# archive as the packages pass did. Its checksum holds; its program is for the machine in its name,
# the .deb's linked dynamically and hardened as Debian asks (PIE, stack protector, read-only
# relocations, immediate binding: fortify finds nothing to protect here, and Debian 12's C start
# files lack the control-flow marking), the archive's statically, for the oldest Linux the README
# names. Every end-to-end case runs against it, the archive's as the README's line unpacks it,
# another machine's under qemu-user: the .deb's with the libraries it was built with (the debs
# pass's build/debian/sysroot), the archive's on each processor its name stands for.
judge_deb() {
  local deb dir=build/z/deb-$1
  deb=$(deb_of "$1")
  (cd build/packages && sha256sum -c "$deb.sha256")
  rm -rf "$dir" && mkdir -p "$dir"
  dpkg-deb -x "build/packages/$deb" "$dir"
  is_for "$dir/usr/bin/lista" "$2" dynamically
  hardening-check --nofortify --nocfprotection "$dir/usr/bin/lista"
  e2e_on "$dir/usr/bin/lista" ${3:+"qemu-$3" -L build/debian/sysroot}
}
judge_archive() {
  local archive dir=build/z/$1 processor
  archive=$(archive_of "$1")
  (cd build/packages && sha256sum -c "$archive.sha256")
  rm -rf "$dir" && mkdir -p "$dir"
  (cd build/packages && HOME=$OLDPWD/$dir bash -euc "$(archive_line "$1")")
  is_for "$dir/.local/bin/lista" "$1" statically
  [[ $(file -b "$dir/.local/bin/lista") == *"for GNU/Linux $(kernel_of "$1").0,"* ]] ||
    { echo "$archive's program is not for Linux $(kernel_of "$1"), as the README says" >&2; exit 1; }
  for processor in ${cpus[$1]:-""}; do
    e2e_on "$dir/.local/bin/lista" ${2:+"qemu-$2"} ${processor:+-cpu "$processor"}
  done
}
