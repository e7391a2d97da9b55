#pragma once

// The memory of the parsed XML trees. A document of a few hundred tables
// grows its tree by hundreds of megabytes in 32 KiB pages; taken one small
// page of the system at a time, the first touch of each costs a fault that
// weighs more than the work done in it. This allocator hands the XML
// library's pages out of large regions that the system may back with huge
// pages, and keeps freed pages for the next tree.

#include <cstddef>

namespace dorvane::embedded {

// Routes every XML tree's memory through this allocator. Installed once,
// before main, by the package layer; harmless to call again.
void InstallXmlTreeMemory();

// Bytes the allocator has taken from the system (for benchmarks).
std::size_t XmlTreeMemoryReserved();

}  // namespace dorvane::embedded
