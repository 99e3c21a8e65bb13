// The entry points of the signature library as the package resolves them by
// name. C functions, __stdcall on Win32 (exported under their plain names),
// texts as NUL-terminated char*. Results are the codes of ead_result.h;
// nothing throws, a null pointer gets a code.
#pragma once

#ifdef _WIN32
#define SIGN_BEMA_EXPORT extern "C" __declspec(dllexport)
#define SIGN_BEMA_CALL __stdcall
#else
#define SIGN_BEMA_EXPORT extern "C" __attribute__((visibility("default")))
#define SIGN_BEMA_CALL
#endif

// Signs the named file in place: appends "EAD", the 256 upper-case digits of
// the RSA signature of the MD5 of every byte before the record, and CR LF
// (first CR LF when the content is not empty and lacks a final line feed).
// keyA is the modulus, keyB the private exponent, 256 hexadecimal digits
// each. On success the 256 digits are also copied to `out` when it is not
// null (256 bytes, no terminator added). Checks in this order:
//   6 flag is not 1;  2 a key text is bad;  3 the modulus is not 1024 bits;
//   1 the file is missing or unreadable;  4 it already ends with a record;
//   11 the backend failed;  5 the signed file could not be written.
// The file is untouched on every failure.
SIGN_BEMA_EXPORT int SIGN_BEMA_CALL generateEAD(const char* file, const char* keyB,
                                                const char* keyA, char* out, int flag);

// Checks the named file's record: keyA the modulus, keyB the public exponent
// (1 to 256 digits, "010001"). 0 when the last line is a record whose
// signature matches the content before it; else 2 / 3 bad key, 1 unreadable,
// 7 no record, 8 malformed record, 9 signature mismatch, 11 backend failure.
SIGN_BEMA_EXPORT int SIGN_BEMA_CALL validateFile(const char* file, const char* keyB,
                                                 const char* keyA);

// Generates a new 1024-bit pair (public exponent 65537): the modulus into
// publicKey and the private exponent into privateKey, 256 upper-case digits
// and a NUL each (257 bytes). 10 when a buffer is null, 11 when generation
// fails; the buffers are untouched then.
SIGN_BEMA_EXPORT int SIGN_BEMA_CALL genkkey(char* publicKey, char* privateKey);

// Records the kind of library the caller expects (1 = this one). Returns 0.
SIGN_BEMA_EXPORT int SIGN_BEMA_CALL setLibType(int kind);

// The kind last given to setLibType (0 before any call). Plain C calling
// convention; for tests.
SIGN_BEMA_EXPORT int SignBema_LibType();
