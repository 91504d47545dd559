#!/usr/bin/env bash
# apt_install PACKAGE...: installs the Debian/Ubuntu packages that are not
# installed yet, through sudo unless run as root. Sourced by other scripts.

if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
else
    sudo_cmd=()
fi

apt_install() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        "${sudo_cmd[@]}" apt-get update
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}
