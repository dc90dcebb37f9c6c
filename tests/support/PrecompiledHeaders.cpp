// The precompiled headers of the test programs are built with this file; it
// holds nothing of its own.
