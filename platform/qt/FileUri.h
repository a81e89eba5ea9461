#pragma once
// File URIs as drops and the file manager carry them, handled as bytes: a file name is
// a byte string on Linux and may hold newlines or invalid UTF-8, which a round trip
// through QString or QUrl would not keep.

#include <string>
#include <string_view>
#include <vector>

namespace fw::qt {

// The local paths of a "text/uri-list" payload, in order: one URI a line (CRLF or LF),
// comment lines ("#") skipped, only "file:" URIs whose host is empty or "localhost";
// percent escapes are decoded byte for byte. A path that decodes to a NUL byte names no
// file and is left out.
std::vector<std::string> LocalPathsFromUriList(std::string_view uriList);

// The "file://" URI of an absolute path: every byte but unreserved characters and "/"
// percent-encoded.
std::string FileUriFromPath(std::string_view path);

// Percent-decodes bytes; a "%" not followed by two hexadecimal digits stays as it is.
std::string PercentDecode(std::string_view text);

}  // namespace fw::qt
