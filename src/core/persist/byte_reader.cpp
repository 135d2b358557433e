#include "persist/byte_reader.h"

#include "util/error.h"

namespace veltra::core {

void ByteReader::fail(const std::string& what) const { throw Error(what + " in Datei " + m_fileName); }

void ByteReader::throwTruncated() { throw Error("Stream-Lesefehler"); }

} // namespace veltra::core
