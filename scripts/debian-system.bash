# Fresh minimal Debian systems (debootstrap --variant=minbase) for the checks that type the
# README's commands as a new user would. Sourced by scripts/check-package and
# scripts/test-on-debian; needs root.
#
# The fresh tree of each release is kept as a tarball in $ZELVARO_CACHE (default
# /var/cache/zelvaro, where this machine keeps files between runs) and made anew when it is
# missing; apt's downloaded packages are kept there too, so a second run downloads little.

zelvaro_cache=${ZELVARO_CACHE:-/var/cache/zelvaro}
debian_mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}

# debootstrap knows the releases of its own time; a later one (Debian testing) is made with the
# script of unstable, and its mirror copy may carry an expired Release date.
debian_needs_sid_script() {
  [[ ! -e /usr/share/debootstrap/scripts/$1 ]]
}

debian_release_tarball() {  # debian_release_tarball <release>: the kept fresh tree, made when missing
  local release=$1 tarball="$zelvaro_cache/$1-minbase.tar" made script=()
  if [[ ! -f "$tarball" ]]; then
    if ! command -v debootstrap >/dev/null; then
      DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap >/dev/null
    fi
    debian_needs_sid_script "$release" && script=(/usr/share/debootstrap/scripts/sid)
    mkdir -p "$zelvaro_cache"
    made=$(mktemp -d /var/tmp/zelvaro-debootstrap.XXXXXX)
    echo "== debootstrap --variant=minbase $release (kept as $tarball)" >&2
    if ! debootstrap --variant=minbase "$release" "$made/root" "$debian_mirror" "${script[@]}" \
      >"$made/log" 2>&1; then
      tail -20 "$made/log" >&2
      debian_system_remove "$made"
      echo "debootstrap of $release failed" >&2
      return 1
    fi
    tar -C "$made/root" -cf "$made/tar" . && mv "$made/tar" "$tarball"
    debian_system_remove "$made"
  fi
  echo "$tarball"
}

# Each system's folder of kept packages, by the system's folder.
declare -gA debian_kept_packages

# debian_system <release> <folder>: a fresh minimal system of that release in the new folder,
# with /proc, /dev/pts and /dev/shm mounted and apt's kept packages in its cache.
debian_system() {
  local release=$1 system=$2 tarball kept="$zelvaro_cache/apt-$1"
  tarball=$(debian_release_tarball "$release") || return 1
  mkdir -p "$system" "$kept"
  tar -C "$system" -xf "$tarball"
  mount -t proc proc "$system/proc"
  mount -t devpts devpts "$system/dev/pts"
  mount -t tmpfs -o mode=1777 tmpfs "$system/dev/shm"
  # Linked in and, on removal, out again: apt never changes a package file, and each system
  # keeps its own cache lock, so runs side by side do not stop each other.
  find "$kept" -maxdepth 1 -name "*.deb" -exec cp -l -f -t "$system/var/cache/apt/archives" {} +
  debian_kept_packages[$(realpath "$system")]=$kept
  if debian_needs_sid_script "$release"; then
    echo 'Acquire::Check-Valid-Until "false";' >"$system/etc/apt/apt.conf.d/99zelvaro-valid-until"
  fi
}

# Ends what still runs inside the folder (a scheduler or X server a test left), unmounts
# everything below it and removes it. Safe to call more than once, and on a half-made system.
debian_system_remove() {
  local folder process point system
  [[ -d "$1" ]] || return 0
  folder=$(realpath "$1")
  for system in "${!debian_kept_packages[@]}"; do
    if [[ $system == "$folder" || $system == "$folder"/* ]] && [[ -d $system/var/cache/apt/archives ]]; then
      find "$system/var/cache/apt/archives" -maxdepth 1 -name '*.deb' \
        -exec cp -l -n -t "${debian_kept_packages[$system]}" {} + 2>/dev/null || true
      unset "debian_kept_packages[$system]"
    fi
  done
  for process in /proc/[0-9]*; do
    case $(readlink "$process/root" 2>/dev/null) in
      "$folder" | "$folder"/*) kill -9 "${process#/proc/}" 2>/dev/null || true ;;
    esac
  done
  while read -r point; do
    umount --lazy "$point" || true
  done < <(awk -v d="$folder" '$5 == d || index($5, d "/") == 1 {print $5}' /proc/self/mountinfo | sort -r)
  rm -rf --one-file-system "$folder"
}

debian_inside() {  # debian_inside <system> command...: as root in that system
  local system=$1
  shift
  chroot "$system" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

# debian_add_user <system> <user>: an ordinary user who may use sudo, as on a new machine.
debian_add_user() {
  local system=$1 user=$2
  debian_inside "$system" apt-get update -q >/dev/null
  debian_inside "$system" apt-get install -y -q --no-install-recommends sudo >"$system/tmp/sudo.log" 2>&1 \
    || { tail -20 "$system/tmp/sudo.log" >&2; return 1; }
  debian_inside "$system" useradd --create-home --shell /bin/bash "$user"
  echo "$user ALL=(ALL:ALL) NOPASSWD: ALL" >"$system/etc/sudoers.d/$user"
  chmod 440 "$system/etc/sudoers.d/$user"
  # A fresh installation knows its own host name (sudo looks it up).
  echo "127.0.1.1 $(hostname)" >>"$system/etc/hosts"
}

debian_as_user() {  # debian_as_user <system> <user> [NAME=value...] command...: a login-like environment
  local system=$1 user=$2
  shift 2
  chroot "$system" setpriv --reuid="$user" --regid="$user" --init-groups \
    env -i PATH=/usr/bin:/bin HOME="/home/$user" LANG=C.UTF-8 "$@"
}
