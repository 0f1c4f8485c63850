#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests, with no root needed and nothing shared
# with the machine's own spooler: its own folder, its own socket, one queue "korva-test"
# (the default) whose device is a file in that folder.
#   cups-scheduler.sh start STATE   starts it; STATE then holds its folder
#   cups-scheduler.sh stop STATE    stops it and removes the folder
# The tests find the socket at FOLDER/cups.sock, the device's file at FOLDER/out/printed
# (the last job) and each job's output at FOLDER/out/job-ID.
#
# A raw queue sends nothing to a file device (no process runs), so the queue has a driver
# whose one filter copies the job to the device and keeps a copy per job.
set -euo pipefail
action="${1:-}"
state="${2:-}"
if [[ -z "$action" || -z "$state" ]]; then
    echo "usage: $0 start|stop STATE" >&2
    exit 2
fi

stop() {
    [[ -f "$state" ]] || return 0
    local dir
    dir="$(cat "$state")"
    if [[ -f "$dir/cupsd.pid" ]]; then
        local pid
        pid="$(cat "$dir/cupsd.pid")"
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -9 "$pid" 2>/dev/null || true
    fi
    [[ "$dir" == */korva-cups.* ]] && rm -rf "$dir"
    rm -f "$state"
}

fail() {
    echo "cannot start a private CUPS scheduler: $*" >&2
    if [[ -n "${dir:-}" && -f "$dir/log/error_log" ]]; then
        echo "--- its error log:" >&2
        tail -n 20 "$dir/log/error_log" >&2
    fi
    stop
    exit 1
}

if [[ "$action" == stop ]]; then
    stop
    exit 0
fi
[[ "$action" == start ]] || { echo "usage: $0 start|stop STATE" >&2; exit 2; }

stop  # a scheduler left over from a run that was killed
cupsd="$(command -v cupsd || echo /usr/sbin/cupsd)"
lpadmin="$(command -v lpadmin || echo /usr/sbin/lpadmin)"
[[ -x "$cupsd" ]] || fail "cupsd not found (Debian package cups-daemon)"
[[ -x "$lpadmin" ]] || fail "lpadmin not found (Debian package cups-client)"

# Short, so that the socket's path fits (108 bytes).
dir="$(mktemp -d /tmp/korva-cups.XXXXXX)"
echo "$dir" >"$state"
mkdir -p "$dir/spool/temp" "$dir/cache" "$dir/log" "$dir/out" "$dir/ppd" "$dir/bin/filter"
chmod 755 "$dir" "$dir/bin" "$dir/bin/filter"
chmod 777 "$dir/out"
ln -s /usr/lib/cups/daemon "$dir/bin/daemon"
ln -s /usr/lib/cups/backend "$dir/bin/backend"
cat >"$dir/bin/filter/korva-copy" <<FILTER
#!/bin/sh
# filter JOB USER TITLE COPIES OPTIONS [FILE]: the document as it came, once per job.
if [ -n "\$6" ]; then exec 0<"\$6"; fi
exec tee "$dir/out/job-\$1"
FILTER
chmod 755 "$dir/bin/filter/korva-copy"
cat >"$dir/korva-test.ppd" <<PPD
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "KORVATST.PPD"
*Manufacturer: "KORVARace"
*Product: "(Test Printer)"
*ModelName: "KORVARace Test Printer"
*ShortNickName: "KORVARace Test Printer"
*NickName: "KORVARace Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 korva-copy"
*cupsFilter: "application/octet-stream 0 korva-copy"
*cupsFilter: "text/plain 0 korva-copy"
*OpenUI *PageSize: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter: "<</PageSize[612 792]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter: "18 36 594 756"
*DefaultPaperDimension: Letter
*PaperDimension Letter: "612 792"
PPD
# As root the scheduler runs its helpers as an unprivileged user, which must reach the spool;
# as anyone else it runs them as itself. Its system group must differ from the helpers'.
if [[ "$(id -u)" == 0 ]]; then
    helpers="User nobody
Group $(id -gn nobody)
SystemGroup root"
    chmod 777 "$dir/spool/temp"
else
    helpers="SystemGroup root"
fi

cat >"$dir/cups-files.conf" <<CONF
FileDevice Yes
$helpers
ServerRoot $dir
ServerBin $dir/bin
StateDir $dir
CacheDir $dir/cache
RequestRoot $dir/spool
TempDir $dir/spool/temp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing Off
WebInterface No
LogLevel info
MaxLogSize 0
PreserveJobHistory Yes
PreserveJobFiles Yes
DefaultAuthType None
<Location />
Order deny,allow
</Location>
<Policy default>
JobPrivateAccess all
JobPrivateValues none
SubscriptionPrivateAccess all
SubscriptionPrivateValues none
<Limit All>
Order deny,allow
</Limit>
</Policy>
CONF

"$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null \
    >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 100); do
    [[ -S "$dir/cups.sock" ]] && break
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || fail "cupsd ended: $(cat "$dir/log/cupsd.out")"
    sleep 0.05
done
[[ -S "$dir/cups.sock" ]] || fail "no socket after 5 seconds"
"$lpadmin" -p korva-test -E -v "file:$dir/out/printed" -P "$dir/korva-test.ppd" >"$dir/log/lpadmin.out" 2>&1 ||
    fail "lpadmin: $(cat "$dir/log/lpadmin.out")"
"$lpadmin" -d korva-test >>"$dir/log/lpadmin.out" 2>&1 ||
    fail "lpadmin -d: $(cat "$dir/log/lpadmin.out")"
echo "private CUPS scheduler at $CUPS_SERVER"
