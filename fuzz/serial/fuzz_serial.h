// The fuzzing serial substitute: a library with the serial library's three
// entry points whose every reply comes from the fuzzer's input, plus one
// control entry through which the target hands that input over.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#define FUZZ_SERIAL_EXPORT extern "C" __declspec(dllexport)
#define FUZZ_SERIAL_CALL __stdcall
#else
#define FUZZ_SERIAL_EXPORT extern "C" __attribute__((visibility("default")))
#define FUZZ_SERIAL_CALL
#endif

// As the serial library's: 1 for ports 1-13, else 0.
FUZZ_SERIAL_EXPORT int FUZZ_SERIAL_CALL AbrePorta(int port, int mode);
// Answers the frame from the input (see fuzz_serial.cc); 1 with a reply, 0
// for no answer, -1 when the port is closed, -2 for a null pointer.
FUZZ_SERIAL_EXPORT int FUZZ_SERIAL_CALL EnviaComando(const char* frame, unsigned char* reply);
// 1 for the open port's id, else 0.
FUZZ_SERIAL_EXPORT int FUZZ_SERIAL_CALL FechaPorta(int id);

// Control entry (plain C calling convention): the bytes the next replies are
// drawn from (copied), and the count of frames answered since.
FUZZ_SERIAL_EXPORT void FuzzSerial_SetInput(const uint8_t* data, size_t size);
FUZZ_SERIAL_EXPORT int FuzzSerial_Frames();

// The control entry's name and type, for the target that resolves it.
#define FUZZ_SERIAL_SET_INPUT "FuzzSerial_SetInput"
using FuzzSerialSetInput = void (*)(const uint8_t*, size_t);
