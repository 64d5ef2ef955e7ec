# Sourced by the test scripts. `missing WHAT`: a package the test needs is not installed.
# Set-up (scripts/setup.sh --tests) installs every one, so under CI that is a fault in
# set-up and fails the test; elsewhere the test is skipped (77). A test that skips for
# what a machine truly cannot have says so and exits 77 itself.
missing() {
    if [ -n "${CI:-}" ]; then
        echo "FAIL: $* (scripts/setup.sh --tests installs it)"
        exit 1
    fi
    echo "SKIP: $* (scripts/setup.sh --tests installs it)"
    exit 77
}
