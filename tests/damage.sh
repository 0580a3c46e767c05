# Shared by the robustness tests of both platforms (sourced): damages a data file the way disks,
# downloads and users do.

# damage FILE KIND: missing, empty, truncated, random, or huge (a valid header claiming 60000 x
# 60000 pixels).
damage() {
  local file=$1 kind=$2
  case $kind in
    missing) rm -f "$file" ;;
    empty) : > "$file" ;;
    truncated) head -c 40 "$file" > "$file.part" && mv "$file.part" "$file" ;;
    random) head -c 4096 /dev/urandom > "$file" ;;
    huge)
      case $file in
        *.bmp) printf 'BM\0\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x60\xea\0\0\x60\xea\0\0\x01\0\x18\0' > "$file" ;;
        *.ico) printf '\0\0\x01\0\x01\0\0\0\0\0\x01\0\x20\0\x30\0\0\0\x16\0\0\0\x28\0\0\0\x60\xea\0\0\xc0\xd4\x01\0\x01\0\x20\0' > "$file" ;;
        *.jpg) printf '\xff\xd8\xff\xc0\0\x11\x08\xea\x60\xea\x60\x03\x01\x22\0\x02\x11\x01\x03\x11\x01\xff\xd9' > "$file" ;;
      esac
      head -c 2048 /dev/zero >> "$file" ;;
  esac
}
