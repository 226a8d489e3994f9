# Sourced, after common.sh, by the passes that make Debian roots: the chroots the packages are built
# and tested in, and the fresh roots of a newcomer and a user.

# fresh_root SUITE <SCRIPT: a newcomer's machine, a bare Debian root made by mmdebstrap, with no git,
# no GoogleTest and no recommended packages, runs the script as root in a clean environment, with
# a copy of the checkout in /root/lista, GoogleTest's archive in /root and the packages in
# /root/packages. sudo, which the README's lines call, and a yes to apt-get stand in for the user.
# Its mirror lines are the suite's below. Unstable's Release file on this machine's mirror is past
# its Valid-Until date: apt must not check.
fresh_root() {
  mkdir -p build
  needs_gtest
  export skrypt
  skrypt=$(mktemp -p build root-XXXX.sh)
  cat >"$skrypt"
  sources "$1" | mmdebstrap --variant=apt --include=sudo \
    --aptopt='Acquire::Check-Valid-Until "false"' --aptopt='APT::Get::Assume-Yes "true"' \
    --customize-hook='mkdir "$1/root/packages" "$1/root/lista" && cp build/packages/lista?* "$1/root/packages"' \
    --customize-hook='cp "$LISTA_GTEST_URL" "$skrypt" "$1/root/"' \
    --customize-hook='tar --exclude=./build --exclude=./.git -cf - . | tar -xf - -C "$1/root/lista"' \
    --customize-hook='chroot "$1" env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin bash "/root/${skrypt##*/}"' \
    "$1" /dev/null -
  rm "$skrypt"
}

# The suite's Debian mirror lines, for mmdebstrap to read, without its security updates: this
# machine's mirror gives Debian 12's security indexes for armhf, i386 and ppc64el with sizes other
# than its Release file says, and a root with several architectures needs one version of a library
# for all of them, which amd64's security update alone breaks (libc6 2.36-9+deb12u15 did).
sources() {
  echo "deb http://deb.debian.org/debian $1 main"
  [[ $1 == unstable ]] || echo "deb http://deb.debian.org/debian $1-updates main"
}

# tarball SUITE: the path of a clean chroot of the suite, as Debian's buildds have it, made once
# for sbuild, autopkgtest and piuparts, which all take it as it is.
tarball() {
  if [[ ! -e build/chroots/$1.tar.gz ]]; then
    mkdir -p build/chroots
    sources "$1" | mmdebstrap --variant=buildd --aptopt='Acquire::Check-Valid-Until "false"' \
      "$1" "build/chroots/$1.new.tar.gz" - >&2
    mv "build/chroots/$1.new.tar.gz" "build/chroots/$1.tar.gz"
  fi
  realpath "build/chroots/$1.tar.gz"
}

# For a root's script: its files, but for those that change by themselves, to compare the root
# before an install with the root after the purge.
root_files='files() {
  find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
    -o -path /root -o -path /var/cache -o -path /var/log -o -path /var/lib/apt \
    -o -path /var/lib/dpkg \) -prune -o -print | sort
}'

# deb_on_root ARCH [QEMU]: a root's script for a .deb as a user meets it: installed by the README's
# line with what it needs, run (under qemu-user, for another architecture), both pages shown, then
# purged with what it brought, leaving the root's files as they were.
deb_on_root() {
  local line=$readme_deb
  [[ -z ${2:-} ]] || line=$(deb_line "$1")
  cat <<END
$root_files
files >/root/before
cd /root/packages && $line
[[ \$(dpkg-query -W -f='\${Architecture}' lista) == $1 ]]
printf '4 8 15\n' | ${2:+qemu-$2 }/usr/bin/lista | tail -n 1 | grep -qx 'Trzeci element listy: 15'
LANG=C.UTF-8 man -L pl lista | grep -qx NAZWA
LANG=C.UTF-8 man -L en lista | grep -qx NAME
sudo apt-get purge --autoremove lista
files | diff /root/before -
END
}
