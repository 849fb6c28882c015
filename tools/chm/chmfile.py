"""Reads the files inside a compiled HTML help file (.chm).

A .chm is an ITSF container: a directory of named files kept in PMGL chunks,
each file stored either as it is (section 0) or inside one LZX-compressed
stream (section 1). The compressed stream comes in frames of 32 KiB whose
compressed starts a reset table lists; the decoder state is reset every few
frames, as the stream's control data says.

    chm = ChmFile(open(path, "rb").read())
    chm.names()            # every stored file, "/index.htm", "/#SYSTEM", ...
    chm.read("/#SYSTEM")   # its bytes
"""
# The format has no official description; this follows the layout that
# compilers write and viewers read: an ITSF header, an ITSP directory of
# 4 KiB chunks, a plain section and an LZX section with its reset table.
import struct

FRAME = 0x8000
_STORAGE = "::DataSpace/Storage/MSCompressed/"
CONTENT = _STORAGE + "Content"
CONTROL_DATA = _STORAGE + "ControlData"
RESET_TABLE = _STORAGE + "Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable"


class ChmError(Exception):
    pass


def _encint(data, pos):
    """A directory number: 7 bits a byte, most significant first."""
    value = 0
    while True:
        if pos >= len(data):
            raise ChmError("directory entry runs past its chunk")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


class ChmFile:
    def __init__(self, data):
        if len(data) < 0x60 or data[:4] != b"ITSF":
            raise ChmError("not a compiled help file (no ITSF signature)")
        version, = struct.unpack_from("<I", data, 4)
        dir_offset, dir_length = struct.unpack_from("<QQ", data, 0x48)
        self.data = data
        self.content_offset = (struct.unpack_from("<Q", data, 0x58)[0] if version >= 3
                               else dir_offset + dir_length)
        self.chunks = []  # (file offset, names in directory order) of each PMGL chunk
        self._entries = self._read_directory(dir_offset)
        self._section1 = None

    def names(self):
        return sorted(self._entries)

    def has(self, name):
        return name in self._entries

    def entry(self, name):
        """(section, offset, length) of a stored file."""
        if name not in self._entries:
            raise ChmError(f"no file {name} in the help file")
        return self._entries[name]

    def read(self, name):
        section, offset, length = self.entry(name)
        if section == 0:
            start = self.content_offset + offset
            if start + length > len(self.data):
                raise ChmError(f"{name} runs past the end of the file")
            return self.data[start:start + length]
        section1 = self.section1()
        if offset + length > len(section1):
            raise ChmError(f"{name} runs past the compressed section")
        return section1[offset:offset + length]

    def section1(self):
        """The whole compressed section, decompressed."""
        if self._section1 is None:
            self._section1 = self._decompress()
        return self._section1

    def _read_directory(self, offset):
        data = self.data
        if data[offset:offset + 4] != b"ITSP":
            raise ChmError("no ITSP directory header")
        header_length, = struct.unpack_from("<I", data, offset + 8)
        chunk_size, = struct.unpack_from("<I", data, offset + 16)
        chunk_count, = struct.unpack_from("<I", data, offset + 44)
        entries = {}
        base = offset + header_length
        for i in range(chunk_count):
            chunk = data[base + i * chunk_size:base + (i + 1) * chunk_size]
            if chunk[:4] != b"PMGL":  # index chunks (PMGI) only speed up look-ups
                continue
            free_space, = struct.unpack_from("<I", chunk, 4)
            names = []
            self.chunks.append((base + i * chunk_size, names))
            pos = 20
            while pos < chunk_size - free_space:
                name_length, pos = _encint(chunk, pos)
                name = chunk[pos:pos + name_length].decode("utf-8")
                pos += name_length
                section, pos = _encint(chunk, pos)
                file_offset, pos = _encint(chunk, pos)
                length, pos = _encint(chunk, pos)
                entries[name] = (section, file_offset, length)
                names.append(name)
        if not entries:
            raise ChmError("the directory lists no files")
        return entries

    def lzx_layout(self):
        """The compressed section's frames: reset interval, window and where each frame starts."""
        control = self.read(CONTROL_DATA)
        table = self.read(RESET_TABLE)
        if control[4:8] != b"LZXC":
            raise ChmError("the compressed section is not LZX")
        version, reset_interval, window_size = struct.unpack_from("<III", control, 8)
        if version == 2:  # counted in frames rather than bytes
            reset_interval *= FRAME
            window_size *= FRAME
        window_bits = window_size.bit_length() - 1
        if window_size != 1 << window_bits or not 15 <= window_bits <= 21:
            raise ChmError(f"unsupported LZX window of {window_size} bytes")
        count, entry_size, table_offset = struct.unpack_from("<III", table, 4)
        total, = struct.unpack_from("<Q", table, 16)
        starts = [struct.unpack_from("<Q", table, table_offset + i * entry_size)[0]
                  for i in range(count)]
        if len(starts) < (total + FRAME - 1) // FRAME:
            raise ChmError("the reset table lists fewer frames than the stream holds")
        return {"frames_per_reset": max(1, reset_interval // FRAME), "window_bits": window_bits,
                "total": total, "starts": starts, "entries": count, "table_offset": table_offset,
                "entry_size": entry_size}

    def _decompress(self):
        layout = self.lzx_layout()
        stream = self.read(CONTENT)
        total = layout["total"]
        decoder = _Lzx(layout["window_bits"])
        for frame in range((total + FRAME - 1) // FRAME):
            if frame % layout["frames_per_reset"] == 0:
                decoder.reset()
            decoder.decode_frame(stream, layout["starts"][frame], min(total, (frame + 1) * FRAME))
        return decoder.output()


class _Bits:
    """LZX bit input: 16-bit little-endian words, read from the top bit down.

    It reads a word only when the bits it holds do not suffice, as the
    format's own decoders do; where an uncompressed block starts depends on
    how many words had been read by then.
    """

    def __init__(self, data, pos):
        self.data = data
        self.pos = pos
        self.buffer = 0
        self.left = 0

    def ensure(self, n):
        while self.left < n:
            word = self.data[self.pos:self.pos + 2].ljust(2, b"\0")
            self.pos += 2
            self.buffer = (self.buffer << 16) | word[0] | (word[1] << 8)
            self.left += 16

    def peek(self, n):
        return (self.buffer >> (self.left - n)) & ((1 << n) - 1)

    def remove(self, n):
        self.left -= n
        self.buffer &= (1 << self.left) - 1

    def read(self, n):
        if n == 0:
            return 0
        self.ensure(n)
        value = self.peek(n)
        self.remove(n)
        return value

    def drop_to_word(self):
        """Forgets the bits of the current word; with none left, skips a whole one."""
        if self.left == 0:
            self.ensure(16)
        self.buffer = 0
        self.left = 0


class _Huffman:
    """A canonical code from its code lengths, decoded through one lookup table."""

    def __init__(self, lengths):
        self.bits = max(lengths, default=0)
        self.table = [None] * (1 << self.bits) if self.bits else []
        code = 0
        for length in range(1, self.bits + 1):
            for symbol, symbol_length in enumerate(lengths):
                if symbol_length != length:
                    continue
                first = code << (self.bits - length)
                last = first + (1 << (self.bits - length))
                if last > len(self.table):
                    raise ChmError("over-full Huffman code")
                self.table[first:last] = [(symbol, length)] * (last - first)
                code += 1
            code <<= 1

    def decode(self, bits):
        bits.ensure(16)
        if not self.bits:
            raise ChmError("a symbol of an empty Huffman code")
        entry = self.table[bits.peek(self.bits)]
        if entry is None:
            raise ChmError("a bit pattern that no symbol has")
        bits.remove(entry[1])
        return entry[0]


_EXTRA_BITS = [min(17, max(0, n // 2 - 1)) for n in range(51)]
_POSITION_BASE = [0]
for _extra in _EXTRA_BITS[:-1]:
    _POSITION_BASE.append(_POSITION_BASE[-1] + (1 << _extra))
_POSITION_SLOTS = {15: 30, 16: 32, 17: 34, 18: 36, 19: 38, 20: 42, 21: 50}
_LENGTH_SYMBOLS = 249
_VERBATIM, _ALIGNED, _UNCOMPRESSED = 1, 2, 3


class _Lzx:
    def __init__(self, window_bits):
        self.main_symbols = 256 + _POSITION_SLOTS[window_bits] * 8
        self.window = bytearray()
        self.frame_ends = []
        self.intel_size = 0
        self.intel_started = False
        self.reset()

    def reset(self):
        self.recent = [1, 1, 1]
        # Code lengths are sent as changes to the previous block's, so they
        # live until a reset; the spare room takes runs that overshoot.
        self.main_lengths = [0] * (self.main_symbols + 64)
        self.length_lengths = [0] * (_LENGTH_SYMBOLS + 64)
        self.header_read = False
        self.block_type = None
        self.block_length = 0
        self.block_remaining = 0

    def _read_lengths(self, bits, lengths, first, last):
        pretree = _Huffman([bits.read(4) for _ in range(20)])
        x = first
        while x < last:
            z = pretree.decode(bits)
            if z == 17:
                run, value = bits.read(4) + 4, 0
            elif z == 18:
                run, value = bits.read(5) + 20, 0
            elif z == 19:
                run = bits.read(1) + 4
                value = (lengths[x] - pretree.decode(bits)) % 17
            else:
                run, value = 1, (lengths[x] - z) % 17
            for _ in range(run):
                if x < len(lengths):
                    lengths[x] = value
                x += 1

    def _start_block(self, bits):
        if self.block_type == _UNCOMPRESSED:
            if self.block_length & 1:
                bits.pos += 1  # an odd block is padded to a whole word
            bits.buffer = bits.left = 0
        self.block_type = bits.read(3)
        self.block_length = self.block_remaining = (bits.read(16) << 8) | bits.read(8)
        if self.block_type == _ALIGNED:
            self.aligned = _Huffman([bits.read(3) for _ in range(8)])
        if self.block_type in (_VERBATIM, _ALIGNED):
            self._read_lengths(bits, self.main_lengths, 0, 256)
            self._read_lengths(bits, self.main_lengths, 256, self.main_symbols)
            self.main = _Huffman(self.main_lengths[:self.main_symbols])
            if self.main_lengths[0xE8]:
                self.intel_started = True
            self._read_lengths(bits, self.length_lengths, 0, _LENGTH_SYMBOLS)
            self.lengths = _Huffman(self.length_lengths[:_LENGTH_SYMBOLS])
        elif self.block_type == _UNCOMPRESSED:
            self.intel_started = True
            bits.drop_to_word()
            self.recent = list(struct.unpack_from("<III", bits.data, bits.pos))
            bits.pos += 12
        else:
            raise ChmError(f"unknown LZX block type {self.block_type}")

    def decode_frame(self, stream, start, frame_end):
        bits = _Bits(stream, start)
        if not self.header_read:
            if bits.read(1):
                self.intel_size = (bits.read(16) << 16) | bits.read(16)
            self.header_read = True
        window = self.window
        while len(window) < frame_end:
            if self.block_remaining == 0:
                self._start_block(bits)
            run = min(self.block_remaining, frame_end - len(window))
            before = len(window)
            if self.block_type == _UNCOMPRESSED:
                window += stream[bits.pos:bits.pos + run]
                bits.pos += run
                if len(window) != before + run:
                    raise ChmError("an uncompressed block runs past the stream")
            else:
                while len(window) - before < run:
                    self._decode_element(bits, window)
            self.block_remaining -= len(window) - before
            if self.block_remaining < 0:
                raise ChmError("a match runs past the end of its block")
        self.frame_ends.append(frame_end)

    def _decode_element(self, bits, window):
        element = self.main.decode(bits)
        if element < 256:
            window.append(element)
            return
        element -= 256
        length = element & 7
        if length == 7:
            length += self.lengths.decode(bits)
        length += 2
        slot = element >> 3
        recent = self.recent
        if slot > 2:
            extra = _EXTRA_BITS[slot]
            offset = _POSITION_BASE[slot] - 2
            if self.block_type == _ALIGNED and extra >= 3:
                offset += (bits.read(extra - 3) << 3) + self.aligned.decode(bits)
            else:
                offset += bits.read(extra)
            recent[2], recent[1], recent[0] = recent[1], recent[0], offset
        elif slot == 0:
            offset = recent[0]
        else:
            offset = recent[slot]
            recent[slot] = recent[0]
            recent[0] = offset
        source = len(window) - offset
        if source < 0:
            raise ChmError("a match reaches before the start of the stream")
        for i in range(length):
            window.append(window[source + i])

    def output(self):
        """The decoded stream, with the x86 call translation undone where it was on."""
        result = bytearray(self.window[:self.frame_ends[-1]] if self.frame_ends else b"")
        if not (self.intel_started and self.intel_size):
            return bytes(result)
        frame_start = 0
        for frame, frame_end in enumerate(self.frame_ends):
            if frame < 32768 and frame_end - frame_start > 10:
                i = frame_start
                while i < frame_end - 10:
                    if result[i] != 0xE8:
                        i += 1
                        continue
                    absolute = int.from_bytes(self.window[i + 1:i + 5], "little", signed=True)
                    if -i <= absolute < self.intel_size:
                        relative = absolute - i if absolute >= 0 else absolute + self.intel_size
                        result[i + 1:i + 5] = (relative & 0xFFFFFFFF).to_bytes(4, "little")
                    i += 5
            frame_start = frame_end
        return bytes(result)
