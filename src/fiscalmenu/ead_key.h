// The application's signing key, compiled in from the build's key file: two
// texts of 256 hexadecimal digits each, handed to the signature library as
// they are.
#pragma once

namespace Mdx00200 {

// Key value A: the RSA modulus.
extern const char kEadKeyA[];
// Key value B: the private exponent.
extern const char kEadKeyB[];

}  // namespace Mdx00200
