#pragma once
// The fixed password of Cocktails.mdb, shared by the program and the tool
// that writes the starter database.

namespace HauptModul {
inline constexpr char Kennwort[] = "TornVX1993";
}
