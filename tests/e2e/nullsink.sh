# A private PulseAudio server with one null sink, and a recording of that
# sink, for the scripts that listen to the game. Sourced, not run. Needs the
# Debian packages pulseaudio and pulseaudio-utils.
#
# The caller exports PULSE_SERVER=unix:<socket> and PULSE_CLIENTCONFIG (a
# file saying autospawn = no), and defines fail MESSAGE and
# started NAME PID (notes a child just started, so it can be stopped).

# start_null_sink WORK RATE CHANNELS: starts the server, its state in WORK,
# listening on PULSE_SERVER's socket with the sink "korubel" as its default;
# returns once it answers. Its pid is in server_pid.
start_null_sink() {
    local work=$1 rate=$2 channels=$3
    # No rewinds: a sink that rewinds to mix a new stream in at once
    # re-renders audio the monitor has already delivered, and the recording
    # would lose the first milliseconds of every cue that a loudspeaker does
    # play.
    cat >"$work/server.pa" <<PA
load-module module-native-protocol-unix auth-anonymous=1 socket=${PULSE_SERVER#unix:}
load-module module-null-sink sink_name=korubel rate=$rate channels=$channels format=s16le norewinds=1
set-default-sink korubel
PA
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
    [ "$(pactl get-default-sink)" = korubel ] || fail "the null sink is not the default sink"
}

# record_null_sink FILE RATE CHANNELS: records the sink into FILE (raw
# 16-bit samples) and returns once the recording keeps pace with the clock.
# The pids are in silence_pid and recorder_pid.
record_null_sink() {
    local file=$1 rate=$2 channels=$3
    # A stream of digital silence plays into the sink the whole time, so the
    # sink never idles between cues and its monitor delivers one continuous
    # recording: time in the recording is time on the server.
    pacat --playback -d korubel --raw --format=s16le --rate="$rate" --channels="$channels" \
        --latency-msec=20 </dev/zero &
    silence_pid=$!
    started silence "$silence_pid"
    parec -d korubel.monitor --raw --format=s16le --rate="$rate" --channels="$channels" \
        --latency-msec=10 </dev/null >"$file" &
    recorder_pid=$!
    started recorder "$recorder_pid"
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
