// The precompiled Qt headers are made while this file is compiled; the
// library itself holds nothing.
