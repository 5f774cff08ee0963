#pragma once
// A hint to the operating system for the few blocks that hold a whole large
// book: back them with large pages. Every page of fresh memory costs the
// system a fault when it is first written, and on a virtual machine each of
// those is slow: the 25 MB of records of a year of 100 000 transactions take
// over 6 000 of them, the bulk of the time to open the book. Large pages of
// 2 MB need a dozen. Only a hint: where the system has no large pages to
// give, or another system than Linux, nothing changes.

#include <cstddef>

namespace valdero {

void VraagGrotePaginas(void* begin, std::size_t grootte);

}  // namespace valdero
