# Sourced by every pass: the project root as the working folder, the values CI reads from the
# README and CONTRIBUTING.md, the switches CI adds to every build, and the helpers passes share.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
umask 022  # the packages are built again under another umask, which must not matter

# Every build uses every core; the commands stay as the README writes them.
export CMAKE_BUILD_PARALLEL_LEVEL=$(nproc)

# The README's Debian/Ubuntu install line, its two commands, and its two for a Debian user's own
# .deb, read from it, so that what CI runs follows what the README says.
readme_install=$(sed -n 's/^| Debian\/Ubuntu | `\(.*\)` |$/\1/p' README.md)
code_under() { awk "/^#+ .*$1\$/ { s = 1 } s && /^\`\`\`/ { if (b++) exit; next } b" README.md; }
readme_run=$(code_under 'the two commands' | sed -n 1p)
readme_test=$(code_under 'the two commands' | sed -n 2p)
readme_debian=$(code_under 'own [.]deb')
# The optional tools' Debian packages: the first quoted word list of each item under "Optional:".
readme_optional=$(awk '/^Optional:/ { s = 1 } s && /^#/ { exit } s' README.md |
  sed -n 's/^- [^(]*(`\([^`]*\)`;.*/\1/p' | tr '\n' ' ')
# The packages a release offers, named by the project's version: for amd64, and for each target
# cmake/debian-cross.cmake lists, with its GNU triple, Debian architecture, uname -m name and
# qemu-user name (target TRIPLE gives the last three).
version=$(sed -n 's/^project(lista VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
targets=$(grep -oE '[a-z0-9_]+-linux-gnu[a-z]*(:[a-z0-9_]+){3}' cmake/debian-cross.cmake | tr : ' ')
triples=$(cut -d' ' -f1 <<<"$targets")
target() { sed -n "s/^$1 //p" <<<"$targets"; }
deb_of() { echo "lista_${version}_$1.deb"; }
archive_of() { echo "lista-${version}-Linux-$1.tar.gz"; }
deb=$(deb_of amd64)
archive=$(archive_of x86_64)
cross_debs=() cross_archives=()
while read -r _ a m _; do
  cross_debs+=("$(deb_of "$a")") cross_archives+=("$(archive_of "$m")")
done <<<"$targets"
zip=lista-${version}-win64.zip
# The README's lines that install the .deb and the archive, from its table, which pick the file
# for the machine they run on; deb_line ARCH and archive_line MACHINE name another's instead.
readme_line() { sed -n "s/^| .* | \`$1\` | \`\(.*\)\` |\$/\1/p" README.md; }
readme_deb=$(readme_line "$(deb_of ARCH)")
readme_archive=$(readme_line "$(archive_of MACHINE)")
deb_line() { echo "${readme_deb//'$(dpkg --print-architecture)'/$1}"; }
archive_line() { echo "${readme_archive//'$(uname -m)'/$1}"; }
# The oldest Linux the README says each archive's program runs on: kernel_of MACHINE.
readme_kernels=$(tr '\n' ' ' <README.md | grep -o 'only Linux [0-9.]* or later ([^)]*)' || true)
kernel_of() {
  grep -oE "[0-9.]+ on $1[,)]" <<<"$readme_kernels" | cut -d' ' -f1 | grep . ||
    cut -d' ' -f3 <<<"$readme_kernels"
}
# CONTRIBUTING.md's command for another architecture, with the target's triple taken off the front.
cross_command=$(sed -n 's/^LISTA_TRIPLE=[^ ]* \(cmake .*\)$/\1/p' CONTRIBUTING.md)
[[ -n $readme_install && -n $readme_run && -n $readme_test && -n $readme_debian &&
  -n $readme_optional && -n $version && -n $targets && -n $readme_deb && -n $readme_archive &&
  -n $cross_command && -n $readme_kernels ]] && grep -qF "| \`$zip\` |" README.md ||
  { echo "the README's or CONTRIBUTING.md's lines are not where .ci/common.sh looks" >&2; exit 1; }
# The README names every .deb and archive a release offers.
for name in amd64 x86_64 $(cut -d' ' -f2,3 <<<"$targets"); do
  sed -n '/^Each line picks/,/^$/p' README.md | grep -qw -- "$name" ||
    { echo "the README does not offer the package for $name" >&2; exit 1; }
done

# On a user's machine a warning or a lint finding is shown and the build goes on, since a newer
# compiler or linter than ours may find what ours does not. In CI every one is an error, and a
# missing clang-tidy or GoogleTest fails instead of being skipped. These go into a build tree's
# cache before the README's command, or a preset's, runs there, and stay in it.
werror=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON
required="-DLISTA_LINT_REQUIRED=ON -DLISTA_GTEST_REQUIRED=ON"

# GoogleTest's release archive, byte for byte what the build downloads where none is installed.
# CI is offline, so where the environment names no copy in LISTA_GTEST_URL, it names ../shared's,
# if there is one, for every build of GoogleTest to take, its hash checked all the same.
if [[ -z ${LISTA_GTEST_URL:-} && -e ../shared/googletest-1.17.0.tar.gz ]]; then
  LISTA_GTEST_URL=$(realpath ../shared/googletest-1.17.0.tar.gz)
fi
export LISTA_GTEST_URL=${LISTA_GTEST_URL:-}
# needs_gtest: stops, in one line, a pass that builds GoogleTest where it has no copy to build.
needs_gtest() {
  [[ -f $LISTA_GTEST_URL ]] ||
    { echo "$(basename "$0") needs a copy of googletest-1.17.0.tar.gz in LISTA_GTEST_URL" >&2; exit 1; }
}

# needs PASS FILE...: stops this pass, in one line, when another pass has not made its outputs.
needs() {
  local pass=$1 file
  for file in "${@:2}"; do
    [[ -e $file ]] ||
      { echo "$(basename "$0") needs $file, which bash .ci/$pass makes: run that first" >&2; exit 1; }
  done
}

# e2e_on PROGRAM [EMULATOR ARG...]: the end-to-end table against a program other than the tests'
# own, through the emulator given, if any: a Windows program's (*.exe) console cases, or the rest.
e2e_on() {
  needs test build/test/lista_e2e
  local name windows=0
  [[ $1 == *.exe ]] && windows=1
  for name in $(awk -v w=$windows '/^== / { n[++k] = $2 } /^@ windows/ { s[n[k]] = 1 }
      END { for (i = 1; i <= k; i++) if ((n[i] in s) == w) print n[i] }' tests/e2e.txt); do
    timeout 60 build/test/lista_e2e "$1" tests/e2e.txt "$name" "${@:2}"
  done
}

# A build made again, to show it reproducible: from a copy in another folder, its files dated 2001
# (elsewhere DIR), by user nobody under umask 002, in another time zone and locale, with the clock
# a day ahead (again CMD...). Both are written into the Debian roots' scripts too.
elsewhere() { find "$1" -exec touch -d '2001-02-03 04:05:06' {} + && chown -R nobody:nogroup "$1"; }
again() {
  (umask 002 && setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$PWD" TZ=LINT-14 LC_ALL=C faketime -f +1d "$@")
}
