#pragma once

#include "core/BinaryReader.h"
#include "core/BinaryWriter.h"
#include "core/JpegPicture.h"

#include <QStringList>

namespace korvex {

// The record shapes every Korvex file is built from (all integers little-endian):
//   StreamString   int32 length n, then n bytes (text through TextCodec)
//   StreamStrings  int32 count k, then k StreamString records
//   JpegBlock      int64 size s, then s bytes of a JPEG file; size 0 means no picture
//   FileBlock      int32 size s, then the s bytes of a whole file
//   FileBundle     a file: int32 tag, int32 count k, then k FileBlock records

void writeStreamBytes(BinaryWriter& out, const QByteArray& bytes);
QByteArray readStreamBytes(BinaryReader& in);
void writeStreamString(BinaryWriter& out, const QString& text);
QString readStreamString(BinaryReader& in);

void writeStreamStrings(BinaryWriter& out, const QStringList& lines);
QStringList readStreamStrings(BinaryReader& in);

void writeJpegBlock(BinaryWriter& out, const JpegPicture& picture);
// Writes the JPEG file at `path` as a JpegBlock; a missing file writes nothing at all.
// Returns whether a block was written. An unreadable or corrupt file fails the writer.
bool writeJpegBlockFromFile(BinaryWriter& out, const QString& path);
// A block of size 0 gives the 225 x 140 dark-grey placeholder picture.
JpegPicture readJpegBlock(BinaryReader& in);
// Reads a JpegBlock and stores its bytes as the file `path` (nothing is written for size 0).
bool readJpegBlockToFile(BinaryReader& in, const QString& path);

bool writeFileBlock(BinaryWriter& out, const QString& path);
bool readFileBlockToFile(BinaryReader& in, const QString& path);
void skipFileBlock(BinaryReader& in);

// Writes the bundle file `path` with one FileBlock per source, in list order.
bool writeFileBundle(const QString& path, qint32 tag, const QStringList& sources,
                     QString* error = nullptr);
// Extracts the i-th block of the bundle `path` to targets[i]. The bundle must hold exactly
// targets.size() blocks; anything else is an error, reported before a file is written.
bool readFileBundle(const QString& path, const QStringList& targets, QString* error = nullptr);

} // namespace korvex
