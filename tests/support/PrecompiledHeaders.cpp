// The tests' precompiled header is compiled with this empty file; the test
// programs reuse it.
