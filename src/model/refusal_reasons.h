#pragma once
// Why an output file could not take its place, where no error number of the
// system tells it apart; report/file_failure words each for the user. They
// are negative so that they never meet an error number.
namespace vorelan {

// A name taken by something other than a plain file (a device, a pipe).
inline constexpr int NotAPlainFile = -1;
// The temporary file went away while it was written (removed by hand or by
// another program) and so could not take its place.
inline constexpr int TemporaryFileRemoved = -2;
// The name is a symbolic link to nothing, or to a folder that is not there.
inline constexpr int LinkLeadsNowhere = -3;
// Written whole, but held back with the rest of a run whose report failed.
inline constexpr int HeldBackWithTheRun = -4;
// The name leads to a file this program reads as input (the data file, say):
// a result never takes its place.
inline constexpr int LeadsToAnInputFile = -5;
// The name, or a link it leads to, is a link made by someone other than this
// user or the owner of the folder it stands in, which may point anywhere
// this user may write: not followed.
inline constexpr int LinkOfAnotherUser = -6;
// The folder was moved or removed while the file was written, so the file
// had no place to take.
inline constexpr int FolderGone = -7;
// Likewise for a folder on the path that a link leads to, which is itself a
// link made by another user.
inline constexpr int FolderLinkOfAnotherUser = -8;
// The name leads through more links than are followed, without being seen
// to lead round in a loop (which is ELOOP).
inline constexpr int TooManyLinks = -9;
// The name is a link of this user's (or the folder owner's) that leads on
// to a link made by another user, which is not followed.
inline constexpr int LeadsToLinkOfAnotherUser = -10;
// Just before the file took its place, its name led to another folder than
// when the file was begun (a link planted, re-pointed or removed), while
// that folder still stood where it was.
inline constexpr int NameLeadsElsewhere = -11;

}  // namespace vorelan
