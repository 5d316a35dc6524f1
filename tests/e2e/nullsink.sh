# A private PulseAudio server with null sinks, and recordings of those
# sinks, for the scripts that listen to the game. Sourced, not run. Needs the
# Debian packages pulseaudio and pulseaudio-utils.
#
# The caller either calls begin_private_session, or exports PULSE_SERVER=
# unix:<socket> and PULSE_CLIENTCONFIG (a file saying autospawn = no) and
# defines started NAME PID (notes a child just started, so it can be
# stopped) itself. It defines fail MESSAGE.

# start_sound_service pulseaudio|pipewire WORK RATE CHANNELS [SINK...]:
# start_null_sink or start_pipewire_null_sink.
start_sound_service() {
    local service=$1
    shift
    case $service in
        pulseaudio) start_null_sink "$@"; server_pids=$server_pid ;;
        pipewire) start_pipewire_null_sink "$@" ;;
        *) fail "no sound service called $service" ;;
    esac
}

# begin_private_session NAME: makes the work directory $work, starts a
# D-Bus session bus there, as every desktop has one (without it, libdbus
# would autolaunch a bus daemon for each program and leave it behind), and
# points every PulseAudio client of this shell at a server there: no
# autospawned daemon, no cookie or runtime files outside $work. Needs the
# Debian package dbus-daemon.
# Children noted with `started` are stopped by stop_all, or by a watchdog
# should the script be killed outright (SIGKILL on a timeout), which then
# also removes $work. After a normal clean-up the watchdog finds nothing
# left and ends within a fifth of a second.
begin_private_session() {
    work=$(mktemp -d "${TMPDIR:-/tmp}/$1.XXXXXX")
    mkdir "$work/pids"
    local script_pid=$$
    (
        while kill -0 "$script_pid" 2>/dev/null; do sleep 0.2; done
        for file in "$work"/pids/*; do
            [ -e "$file" ] && kill -KILL "$(cat "$file")" 2>/dev/null || true
        done
        rm -rf "$work"
    ) </dev/null >/dev/null 2>&1 &
    export XDG_RUNTIME_DIR=$work/runtime
    # Where pipewire-pulse listens; PulseAudio is told to listen there too.
    export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
    export PULSE_CLIENTCONFIG=$work/client.conf
    export PULSE_COOKIE=$work/cookie
    mkdir -m 700 "$XDG_RUNTIME_DIR" "$XDG_RUNTIME_DIR/pulse"
    printf 'autospawn = no\n' >"$PULSE_CLIENTCONFIG"
    dbus-daemon --session --address="unix:path=$work/bus" --nofork --nopidfile </dev/null >"$work/dbus.log" 2>&1 &
    started bus $!
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus
    for _ in $(seq 50); do [ -S "$work/bus" ] && break; sleep 0.1; done
    [ -S "$work/bus" ] || { cat "$work/dbus.log" >&2; fail "the session bus did not start"; }
}

# started NAME PID: notes the pid of a child just started.
started() {
    echo "$2" >"$work/pids/$1"
}

# stop_pid NAME PID: stops it, asking first, then insisting.
stop_pid() {
    local name=$1 pid=$2
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -f "$work/pids/$name"
}

# stop_all: stops every child still noted, the sound service's own last, so
# its clients go before it does.
stop_all() {
    local file name
    for name in $(ls "$work/pids" | grep -v -x -E 'server|pipewire.*|wireplumber|bus') \
            pipewire-pulse wireplumber pipewire server bus; do
        file=$work/pids/$name
        [ -e "$file" ] && stop_pid "$name" "$(cat "$file")"
    done
    return 0
}

# start_null_sink WORK RATE CHANNELS [SINK...]: starts the server, its state
# in WORK, listening on PULSE_SERVER's socket with a null sink of each name
# given (default: "korubel"), the first one the default sink; returns once
# it answers. Its pid is in server_pid.
start_null_sink() {
    local work=$1 rate=$2 channels=$3
    shift 3
    local sinks=("$@") sink
    [ ${#sinks[@]} -gt 0 ] || sinks=(korubel)
    # No rewinds: a sink that rewinds to mix a new stream in at once
    # re-renders audio the monitor has already delivered, and the recording
    # would lose the first milliseconds of every cue that a loudspeaker does
    # play.
    printf 'load-module module-native-protocol-unix auth-anonymous=1 socket=%s\n' "${PULSE_SERVER#unix:}" >"$work/server.pa"
    for sink in "${sinks[@]}"; do
        printf 'load-module module-null-sink sink_name=%s rate=%s channels=%s format=s16le norewinds=1\n' \
            "$sink" "$rate" "$channels" >>"$work/server.pa"
    done
    printf 'set-default-sink %s\n' "${sinks[0]}" >>"$work/server.pa"
    # In the foreground (as a child of the script), as root too: --system=no
    # keeps it a per-user server, HOME points its state into WORK.
    HOME=$work DISPLAY= pulseaudio -n -F "$work/server.pa" --daemonize=no --system=no \
        --exit-idle-time=-1 --disallow-exit --use-pid-file=no --disable-shm=yes \
        --realtime=no --high-priority=no --log-target=stderr \
        </dev/null >"$work/pulse.log" 2>&1 &
    server_pid=$!
    started server "$server_pid"

    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && break
        kill -0 "$server_pid" 2>/dev/null || { cat "$work/pulse.log" >&2; fail "pulseaudio did not start"; }
        sleep 0.1
    done
    pactl info >/dev/null 2>&1 || { cat "$work/pulse.log" >&2; fail "pulseaudio is not answering"; }
    [ "$(pactl get-default-sink)" = "${sinks[0]}" ] || fail "the null sink is not the default sink"
}

# start_pipewire_null_sink WORK RATE CHANNELS [SINK...]: the same with
# PipeWire, its session manager WirePlumber and its PulseAudio-protocol
# server pipewire-pulse, listening on PULSE_SERVER's socket, which must be
# $XDG_RUNTIME_DIR/pulse/native; the null sinks are made through
# pipewire-pulse. The pids are in server_pid (pipewire-pulse) and
# server_pids (all three). Needs the Debian packages pipewire, wireplumber
# and pipewire-pulse.
start_pipewire_null_sink() {
    local work=$1 rate=$2 channels=$3
    shift 3
    local sinks=("$@") sink
    [ ${#sinks[@]} -gt 0 ] || sinks=(korubel)
    [ "$PULSE_SERVER" = "unix:$XDG_RUNTIME_DIR/pulse/native" ] \
        || fail "pipewire-pulse listens on unix:$XDG_RUNTIME_DIR/pulse/native, not $PULSE_SERVER"
    # Long cycles: the null sink is driven by a timer, and on virtual test
    # machines short cycles now and then came out marred, for any client's
    # cue alike. The graph keeps PipeWire's own rate, as on a desktop.
    mkdir -p "$work/.config/pipewire/pipewire.conf.d"
    printf 'context.properties = {\n    default.clock.min-quantum = 1024\n}\n' \
        >"$work/.config/pipewire/pipewire.conf.d/korubel-tests.conf"
    local service pids=()
    for service in pipewire wireplumber pipewire-pulse; do
        HOME=$work DISPLAY= "$service" </dev/null >>"$work/$service.log" 2>&1 &
        pids+=($!)
        started "$service" $!
        # Each needs the one before it to be listening.
        [ "$service" = pipewire ] && for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/pipewire-0" ] && break; sleep 0.1; done
    done
    server_pids="${pids[*]}"
    server_pid=${pids[2]}
    for _ in $(seq 100); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl info >/dev/null 2>&1 || { tail -n 20 "$work"/pipewire*.log "$work/wireplumber.log" >&2; fail "pipewire-pulse is not answering"; }
    for sink in "${sinks[@]}"; do
        pactl load-module module-null-sink sink_name="$sink" rate="$rate" channels="$channels" >/dev/null \
            || fail "pipewire-pulse could not make the null sink $sink"
    done
    # WirePlumber takes the new default once it has seen the sink.
    for _ in $(seq 50); do
        pactl set-default-sink "${sinks[0]}" 2>/dev/null && [ "$(pactl get-default-sink)" = "${sinks[0]}" ] && break
        sleep 0.1
    done
    [ "$(pactl get-default-sink)" = "${sinks[0]}" ] || fail "the null sink is not the default sink"
}

# record_null_sink FILE RATE CHANNELS [SINK]: records the sink (default:
# "korubel") into FILE (raw 16-bit samples) and returns once the recording
# keeps pace with the clock. The pids are in silence_pid and recorder_pid.
record_null_sink() {
    local file=$1 rate=$2 channels=$3 sink=${4:-korubel}
    # A stream of digital silence plays into the sink the whole time, so the
    # sink never idles between cues and its monitor delivers one continuous
    # recording: time in the recording is time on the server.
    pacat --playback -d "$sink" --raw --format=s16le --rate="$rate" --channels="$channels" \
        --latency-msec=20 </dev/zero &
    silence_pid=$!
    started "silence-$sink" "$silence_pid"
    parec -d "$sink.monitor" --raw --format=s16le --rate="$rate" --channels="$channels" \
        --latency-msec=10 </dev/null >"$file" &
    recorder_pid=$!
    started "recorder-$sink" "$recorder_pid"
    # The null sink renders ahead by up to two seconds until a client asks
    # for a short latency, so the first recorded data comes late: wait until
    # a quarter of a second has been recorded; from then on the recording
    # keeps pace with the clock.
    local quarter=$((rate * channels * 2 / 4))
    for _ in $(seq 100); do
        kill -0 "$silence_pid" 2>/dev/null || fail "pacat could not play into the null sink"
        kill -0 "$recorder_pid" 2>/dev/null || fail "parec could not record the null sink's monitor"
        [ "$(stat -c %s "$file")" -ge "$quarter" ] && break
        sleep 0.1
    done
    [ "$(stat -c %s "$file")" -ge "$quarter" ] || fail "the null sink's monitor delivered nothing within 10 s"
}
