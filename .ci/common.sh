# Sourced by every pass: the project root as the working folder, the values CI reads from the
# README and CONTRIBUTING.md, the switches CI adds to every build, and the helpers passes share.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
umask 022  # the packages are built again under another umask, which must not matter

# Every build uses every core; the commands stay as the README writes them.
CMAKE_BUILD_PARALLEL_LEVEL=$(nproc)
export CMAKE_BUILD_PARALLEL_LEVEL

# The README's Debian/Ubuntu install line and its two commands, read from it, so that what CI
# runs follows what the README says.
readme_install=$(sed -n 's/^| Debian\/Ubuntu | `\(.*\)` |$/\1/p' README.md)
readme_commands=$(awk '/^## .*the two commands$/ { s = 1 } s && /^```/ { if (b++) exit; next } b' README.md)
readme_run=$(sed -n 1p <<<"$readme_commands")
readme_test=$(sed -n 2p <<<"$readme_commands")
# The optional tools' Debian packages: the first quoted word list of each item under "Optional:".
readme_optional=$(awk '/^Optional:/ { s = 1 } s && /^#/ { exit } s' README.md |
  sed -n 's/^- [^(]*(`\([^`]*\)`;.*/\1/p' | tr '\n' ' ')
# The packages a release offers, named by the project's version, and the README's line that
# installs each, from its table.
version=$(sed -n 's/^project(lista VERSION \([^ ]*\) .*/\1/p' CMakeLists.txt)
deb=lista_${version}_amd64.deb
archive=lista-${version}-Linux-x86_64.tar.gz
zip=lista-${version}-win64.zip
readme_line() { sed -n "s/^| .* | \`$1\` | \`\(.*\)\` |\$/\1/p" README.md; }
readme_deb=$(readme_line "$deb")
readme_archive=$(readme_line "$archive")
# CONTRIBUTING.md's command for another architecture, with the target's triple taken off the front.
cross_command=$(sed -n 's/^LISTA_TRIPLE=[^ ]* \(cmake .*\)$/\1/p' CONTRIBUTING.md)
[[ -n $readme_install && -n $readme_run && -n $readme_test && -n $readme_optional &&
  -n $version && -n $readme_deb && -n $readme_archive && -n $cross_command ]] &&
  grep -qF "| \`$zip\` |" README.md || {
  echo "the README's install lines or its two commands, or CONTRIBUTING.md's cross command, are" \
    "not where .ci/common.sh looks" >&2
  exit 1
}

# On a user's machine a compiler warning or a lint finding is shown and the build goes on, since a
# newer compiler or linter than ours may find what ours does not. In CI every one is an error, and
# nothing lands unlinted: a missing clang-tidy fails instead of skipping lint. Both go into a build
# tree's cache before the README's command, or a preset's, runs there, and stay in it.
werror=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON
lint=-DLISTA_LINT_REQUIRED=ON

# GoogleTest's v1.17.0 release archive, byte for byte what the build downloads where no GoogleTest
# is installed. CI is offline, so every build of GoogleTest takes it from here (or from where
# LISTA_GTEST_ARCHIVE says, as in the fresh roots); the build checks its hash all the same.
gtest_archive=$(realpath -e "${LISTA_GTEST_ARCHIVE:-../shared/googletest-1.17.0.tar.gz}") ||
  { echo "GoogleTest's release archive is missing from ../shared" >&2; exit 1; }

# needs PASS FILE...: stops this pass, in one line, when another pass has not made its outputs.
needs() {
  local pass=$1 file
  for file in "${@:2}"; do
    [[ -e $file ]] ||
      { echo "$(basename "$0") needs $file, which bash .ci/$pass makes: run that first" >&2; exit 1; }
  done
}

# The end-to-end table against a program other than the one the tests built.
e2e_on() {
  needs test build/test/lista_e2e
  local name
  for name in $(sed -n 's/^== //p' tests/e2e.txt); do
    timeout 60 build/test/lista_e2e "$1" tests/e2e.txt "$name"
  done
}
