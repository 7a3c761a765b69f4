#!/usr/bin/env bash
# Checks that a configured build uses only Debian packages that
# scripts/setup.sh installs: every package configuration CMake found, the
# compiler and make program, and every library the targets link must belong to
# a package listed in scripts/packages.txt or pulled in by one (Depends and
# Pre-Depends, directly or through other packages). A machine with extra
# packages installed by hand would otherwise build fine and hide the gap.
#
# Usage: scripts/check_packages.sh [BUILD_DIR]   (default: the build/ folder
# beside scripts/)
# CHECK_PACKAGES_VERBOSE=1 also prints the files checked and their packages.
set -euo pipefail
scripts_dir=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=package_list.sh
source "$scripts_dir/package_list.sh"

build_dir=${1:-$(dirname "$scripts_dir")/build}
cache="$build_dir/CMakeCache.txt"
if [ ! -f "$cache" ]; then
  echo "check_packages: no $cache; configure the build with CMake first" >&2
  exit 2
fi

# Folders whose files come from Debian packages (or were put there by hand).
is_system_path() {
  case "$1" in
    /usr/* | /lib/* | /lib64/* | /bin/* | /sbin/* | /opt/* | /etc/*) return 0 ;;
    *) return 1 ;;
  esac
}

cache_value() {
  sed -n "s/^$1:[A-Z]*=//p" "$cache" | head -n 1
}
compiler=$(cache_value CMAKE_CXX_COMPILER)

# A package configuration's folder may be shared with other packages (Qt's
# cmake folders are): the configuration file in it tells who provides it.
config_file_in() {
  local folder=$1 name=$2 lower file
  lower=$(printf '%s' "$name" | tr '[:upper:]' '[:lower:]')
  for file in "$folder/${name}Config.cmake" "$folder/${lower}-config.cmake"; do
    [ -f "$file" ] && { echo "$file"; return; }
  done
  echo "$folder"
}

# The *_DIR entries of the cache: package configurations and include folders.
cached_folders() {
  local name folder
  grep -E '^[A-Za-z0-9_]+_DIR:PATH=/' "$cache" | while IFS= read -r line; do
    name=${line%%_DIR:PATH=*}
    folder=${line#*:PATH=}
    is_system_path "$folder" && [ -e "$folder" ] && config_file_in "$folder" "$name"
  done
  return 0
}

cached_tools() {
  local tool
  for key in CMAKE_COMMAND CMAKE_CTEST_COMMAND CMAKE_CXX_COMPILER CMAKE_C_COMPILER CMAKE_MAKE_PROGRAM; do
    tool=$(cache_value "$key")
    [ -n "$tool" ] && is_system_path "$tool" && echo "$tool"
  done
  return 0
}

# The file the compiler links for -lNAME, or NAME alone when it finds none.
compiler_library() {
  local found
  found=$("$compiler" -print-file-name="lib$1.so")
  [ "$found" = "lib$1.so" ] && found=$("$compiler" -print-file-name="lib$1.a")
  echo "$found"
}

# The runtime library of a -fsanitize= name: clang keeps its own in its
# runtime folder, GCC's are found like -l libraries.
sanitizer_runtime() {
  local clang_runtimes
  clang_runtimes=$("$compiler" --print-runtime-dir 2>/dev/null || true)
  if [ -n "$clang_runtimes" ]; then
    case "$1" in
      address) echo "$clang_runtimes/libclang_rt.asan-$(uname -m).a" ;;
      undefined) echo "$clang_runtimes/libclang_rt.ubsan_standalone-$(uname -m).a" ;;
      *) echo "$clang_runtimes/libclang_rt.$1-$(uname -m).a" ;;
    esac
  else
    case "$1" in
      address) compiler_library asan ;;
      undefined) compiler_library ubsan ;;
      thread) compiler_library tsan ;;
      leak) compiler_library lsan ;;
    esac
  fi
}

# Libraries on the link lines of every target (Makefiles or Ninja), as full
# paths: -lNAME and the sanitizers' runtimes are looked up as the compiler
# finds them.
linked_libraries() {
  local token sanitizer
  { find "$build_dir" -name link.txt -exec cat {} +
    [ -f "$build_dir/build.ninja" ] && grep -E '^ *(LINK_LIBRARIES|LINK_FLAGS) *=' "$build_dir/build.ninja"
  } | tr -s ' \t' '\n' | sort -u | while IFS= read -r token; do
    case "$token" in
      -l*) compiler_library "${token#-l}" ;;
      -fsanitize=*)
        for sanitizer in $(tr ',' ' ' <<<"${token#-fsanitize=}"); do
          sanitizer_runtime "$sanitizer"
        done ;;
      *) echo "$token" ;;
    esac
  done | while IFS= read -r file; do
    if [[ "$file" =~ ^/.*\.(so(\.[0-9]+)*|a)$ ]] && is_system_path "$file" && [ -e "$file" ]; then
      echo "$file"
    fi
  done
  return 0
}

# The names dpkg may know a used file by, as "file<TAB>part<TAB>name<TAB>path
# of the part": the
# file itself ("link") and, when it is a symlink, the file it leads to
# ("target"). Each part that a package owns must come from a covered package:
# a library's development symlink and its runtime file both matter. On a
# merged-/usr system dpkg may know either without the /usr prefix.
names_of() {
  local target part name
  target=$(readlink -f "$1")
  for part in link target; do
    name=$1
    if [ "$part" = target ]; then
      [ "$target" = "$1" ] && continue
      name=$target
    fi
    printf '%s\t%s\t%s\t%s\n' "$1" "$part" "$name" "$name"
    case "$name" in
      /usr/lib/* | /usr/lib64/* | /usr/bin/* | /usr/sbin/*) printf '%s\t%s\t%s\t%s\n' "$1" "$part" "${name#/usr}" "$name" ;;
    esac
  done
}

# The listed packages that are not installed: their files cannot be checked.
uninstalled_packages() {
  listed_packages | while IFS= read -r package; do
    [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)" = "install ok installed" ] ||
      echo "$package"
  done
}

# Listed packages, essential ones, and all they depend on among the installed
# packages. Of alternatives ("a | b") the first installed one counts; a virtual
# package counts through each installed package that provides it.
covered_packages() {
  awk -F'\t' '
    function bare(name) { gsub(/ /, "", name); sub(/[(].*/, "", name); sub(/:.*/, "", name); return name }
    function add(p) { if (!(p in covered)) { covered[p] = 1; queue[++tail] = p } }
    function add_each(list, n, names, i) {
      n = split(list, names, " ")
      for (i = 1; i <= n; i++) add(names[i])
    }
    function satisfy(clause, n, alternatives, i, p) {
      n = split(clause, alternatives, "|")
      for (i = 1; i <= n; i++) {
        p = bare(alternatives[i])
        if (p in installed) { add(p); return }
        if (p in providers) { add_each(providers[p]); return }
      }
    }
    FILENAME == ARGV[1] { listed[$0] = 1; next }
    $2 != "ii " { next }
    {
      installed[$1] = 1; depends[$1] = depends[$1] ", " $5
      if ($4 == "yes") essential[$1] = 1
      n = split($3, provided, ",")
      for (i = 1; i <= n; i++) {
        v = bare(provided[i])
        if (v != "") providers[v] = providers[v] " " $1
      }
    }
    END {
      for (p in listed) if (p in installed) add(p)
      for (p in essential) add(p)
      for (head = 1; head <= tail; head++) {
        n = split(depends[queue[head]], clauses, ",")
        for (i = 1; i <= n; i++) if (clauses[i] ~ /[^ ]/) satisfy(clauses[i])
      }
      for (p in covered) print p
    }' <(listed_packages) \
       <(dpkg-query -W -f='${Package}\t${db:Status-Abbrev}\t${Provides}\t${Essential}\t${Pre-Depends}, ${Depends}\n')
}

uninstalled=$(uninstalled_packages)
if [ -n "$uninstalled" ]; then
  echo "check_packages: listed but not installed: $(tr '\n' ' ' <<<"$uninstalled"); run scripts/setup.sh" >&2
  exit 1
fi

used=$( { cached_folders; cached_tools; linked_libraries; } | sort -u)
names=$(while IFS= read -r file; do [ -n "$file" ] && names_of "$file"; done <<<"$used" | sort -u)
# One dpkg-query for all names; it prints "pkg:arch, pkg: /path" per owned name.
owners=$(cut -f3 <<<"$names" | sort -u | xargs -r dpkg-query -S 2>/dev/null | grep -v '^diversion by' || true)

# Prints one line for each used file that no listed package accounts for.
uncovered_files() {
  awk -F'\t' '
    FILENAME == ARGV[1] { covered[$0] = 1; next }
    FILENAME == ARGV[2] {
      split($0, parts, ": /"); path = substr($0, length(parts[1]) + 3)
      owners[path] = parts[1]; next
    }
    {
      files[$1] = 1
      if (!($3 in owners)) next
      owned[$1] = 1; part = $1 SUBSEP $2; owned_part[part] = 1; shown[part] = $4
      m = split(owners[$3], packages, ", ")
      for (j = 1; j <= m; j++) {
        p = packages[j]; sub(/:.*/, "", p)
        if (p in covered) ok[part] = 1
        else if (index(" " missing[part] " ", " " p " ") == 0)
          missing[part] = missing[part] (missing[part] == "" ? "" : " or ") p
      }
    }
    END {
      for (file in files) if (!(file in owned)) print file " belongs to no Debian package (installed by hand?)"
      for (part in owned_part) if (!(part in ok)) {
        split(part, key, SUBSEP)
        print key[1] (key[2] == "target" ? " -> " shown[part] : "") " comes from " missing[part] \
          ", which scripts/packages.txt neither lists nor pulls in"
      }
    }' <(covered_packages) <(printf '%s\n' "$owners") <(printf '%s\n' "$names")
}

if [ -n "${CHECK_PACKAGES_VERBOSE:-}" ]; then
  printf 'Files checked:\n%s\nTheir owners:\n%s\n' "$used" "$owners"
fi
problems=$(uncovered_files | sort)
if [ -n "$problems" ]; then
  sed 's/^/check_packages: /' <<<"$problems" >&2
  echo "check_packages: each file above must come from a package listed in scripts/packages.txt or one they depend on" >&2
  exit 1
fi
echo "check_packages: the $(grep -c . <<<"$used") system files the build in $build_dir uses come from listed packages"
