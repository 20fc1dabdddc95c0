// The .dfm wrapper: a 16-bit resource header in front of a component
// stream. Layout: FF, 0A 00 (RT_RCDATA), the resource name ended by 00,
// 30 10 (flags), the 4-byte size of the stream that follows.
#pragma once

#include "vcl/ObjectText.h"
#include "vcl/Stream.h"

namespace vcl {

class TComponent;

// Writes a header for a stream of Size bytes named ResName (bytes as given;
// the host names a form's resource after its upper-cased class name).
void WriteResourceHeader(TStream* Stream, const AnsiString& ResName, Cardinal Size);
// Consumes a header and returns its resource name. Raises EReadError when the
// bytes are not a resource header of RCDATA. The size is not trusted: what
// follows is read as a stream up to its own end.
AnsiString ReadResourceHeader(TStream* Stream);

// Text <-> resource-headed binary. ObjectTextToResource names the resource
// after the root's class, upper-cased.
void ObjectResourceToText(TStream* Input, TStream* Output,
                          TObjectTextEncoding Encoding = TObjectTextEncoding::oteDFM);
void ObjectTextToResource(TStream* Input, TStream* Output);

// A component written as a resource-headed stream named ResName, and read
// back into Instance (or into a new root of the stream's registered class
// when Instance is null).
void WriteComponentRes(TStream* Stream, const AnsiString& ResName, TComponent* Instance);
TComponent* ReadComponentRes(TStream* Stream, TComponent* Instance);

// The same on files. Writing replaces the file only once all bytes are
// stored, so a failed save leaves the previous file intact; the resource is
// named after the component's class, upper-cased.
void WriteComponentResFile(const AnsiString& FileName, TComponent* Instance);
TComponent* ReadComponentResFile(const AnsiString& FileName, TComponent* Instance);

}  // namespace vcl
