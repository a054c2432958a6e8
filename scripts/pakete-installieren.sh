# Sourced by starten.sh and testen.sh: installs the packages of scripts/pakete.txt.
# Skips apt-get when every package is already there, so repeated runs stay quick.
kbw_pakete_installieren() {
    local liste="$1"
    local pakete
    pakete=$(grep -v '^[[:space:]]*#' "$liste" | tr -s '[:space:]' '\n' | grep -v '^$')
    local fehlend=()
    for p in $pakete; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || fehlend+=("$p")
    done
    if [ ${#fehlend[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${fehlend[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${fehlend[@]}"
}
