// Message texts of the form-stream layer, in one table so that the reader,
// the writer and the converters word the same fault the same way.
#pragma once

namespace vcl::FilerConsts {

inline constexpr const char* SInvalidImage = "Illegal stream image";
inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SInvalidPropertyType = "Invalid property type from streamed property: %d";
inline constexpr const char* SUnknownProperty = "Unknown property: \"%s\"";
inline constexpr const char* SInvalidPropertyValue = "Invalid value for property";
inline constexpr const char* SPropertyException = "Error reading %s%s%s: %s";
inline constexpr const char* SClassNotFound = "Class \"%s\" not found";
inline constexpr const char* SDuplicateClass = "A class named \"%s\" already exists";
inline constexpr const char* SNestingTooDeep = "Components or lists nested deeper than %d levels";
inline constexpr const char* SListEndExpected = "End of list expected";
inline constexpr const char* SListBeginExpected = "Start of list expected";
inline constexpr const char* SInvalidResource = "Invalid resource header";
inline constexpr const char* SParseError = "%s on line %d";

}  // namespace vcl::FilerConsts
