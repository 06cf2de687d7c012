#ifndef LOOKUP_H
#define LOOKUP_H

#include <cstddef>

// Position of `value` in `table`, or `missing` when the table lacks it.
template <typename T, std::size_t N>
int indexIn(const T (&table)[N], const T& value, int missing = 0)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == value)
            return int(i);
    }
    return missing;
}

#endif
