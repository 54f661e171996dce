// The end-to-end harness.
