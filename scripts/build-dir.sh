# Sourced by the scripts that take a build folder from the environment.
# resolve_build_dir ROOT DIR: DIR as an absolute path; a relative DIR is taken from
# the source tree's ROOT, an absolute one as it is.
resolve_build_dir() {
    case $2 in
    /*) printf '%s\n' "$2" ;;
    *) printf '%s/%s\n' "$1" "$2" ;;
    esac
}
