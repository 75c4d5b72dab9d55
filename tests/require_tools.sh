# Sourced by the shell tests: require_tools TOOL... ends the test as skipped
# (exit code 77, with the reason) when one of the tools is not installed.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || {
      echo "SKIPPED: $tool is not installed (scripts/setup.sh installs it)."
      exit 77
    }
  done
}
