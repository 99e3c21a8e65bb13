#include "runtime/dataset/byte_io.h"

#include "mdx00200/exceptions.h"

namespace mdx::dataset {

void ByteReader::Need(size_t count, const char* what) const {
  if (count > size_ - pos_)
    throw EDatabaseError("Invalid data packet: truncated in " + std::string(what) + " at byte " +
                         std::to_string(pos_) + " (" + std::to_string(count) + " bytes needed, " +
                         std::to_string(size_ - pos_) + " left)");
}

void ByteReader::Seek(size_t position, const char* what) {
  if (position > size_)
    throw EDatabaseError("Invalid data packet: " + std::string(what) + " points past the end (byte " +
                         std::to_string(position) + " of " + std::to_string(size_) + ")");
  pos_ = position;
}

}  // namespace mdx::dataset
