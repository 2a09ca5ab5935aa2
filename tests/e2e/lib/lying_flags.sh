# write_lying_flags FOLDER: thirty flags of 60 bytes each in FOLDER, named
# THESA001.bmp to THESA030.bmp, that declare compressed 4096 x 4096
# pictures and end at once, each with its own palette so that no two share
# a decoding.
lying_flags_le32() {
    local byte
    for shift in 0 8 16 24; do
        printf -v byte '%02x' $(($1 >> shift & 255))
        printf "\\x$byte"
    done
}

write_lying_flags() {
    local number
    for number in $(seq 30); do
        {
            printf 'BM'; lying_flags_le32 60; lying_flags_le32 0; lying_flags_le32 58
            lying_flags_le32 40; lying_flags_le32 4096; lying_flags_le32 4096
            printf '\x01\x00\x08\x00'                                  # 8 bits a pixel
            lying_flags_le32 1; lying_flags_le32 2; lying_flags_le32 0 # RLE8
            lying_flags_le32 0; lying_flags_le32 1; lying_flags_le32 0 # one colour
            printf "\\x$(printf %02x "$number")\\x00\\x00\\x00"       # its own palette
            printf '\x00\x01'                                          # end of the picture
        } >"$1/THESA$(printf %03d "$number").bmp"
    done
}
