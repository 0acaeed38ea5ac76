// SPDX-License-Identifier: GPL-3.0-or-later
// A library with thread-local storage of its own, loaded with dlopen: each thread gets a dynamic
// TLS block of 40 bytes from the C library's allocator on first use (tls_dinamico.cpp).
thread_local char blocco[40];

extern "C" char* bloccoTls() {
    blocco[0] = 1;
    return blocco;
}
