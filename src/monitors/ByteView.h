#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <type_traits>

namespace monitors {

static_assert(std::endian::native == std::endian::little,
              "the records read here are little-endian and are copied as they are");

// Bounds-checked reads of little-endian fields from bytes that another party
// filled in. Offsets are 64-bit so that base + 32-bit field never wraps, even
// in the 32-bit build.
class ByteView {
public:
    using Offset = std::uint64_t;

    explicit ByteView(std::span<const std::byte> bytes) noexcept : bytes_(bytes) {}

    Offset Size() const noexcept { return bytes_.size(); }

    // True when [offset, offset + length) lies inside the bytes.
    bool Contains(Offset offset, Offset length) const noexcept {
        return offset <= Size() && length <= Size() - offset;
    }

    template <typename T>
    std::optional<T> Read(Offset offset) const noexcept {
        static_assert(std::is_trivially_copyable_v<T>);
        if (!Contains(offset, sizeof(T))) {
            return std::nullopt;
        }
        T value;
        std::memcpy(&value, bytes_.data() + offset, sizeof(T));
        return value;
    }

    // The bytes [offset, offset + length), or nothing when they are not all here.
    std::optional<ByteView> Slice(Offset offset, Offset length) const noexcept {
        if (!Contains(offset, length)) {
            return std::nullopt;
        }
        return ByteView(bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length)));
    }

private:
    std::span<const std::byte> bytes_;
};

} // namespace monitors
