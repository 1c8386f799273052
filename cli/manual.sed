# The examples are lines of a terminal session: kept line for line, as the
# help writes them, not filled into paragraphs.
/^\.SH EXAMPLES$/,/^\.SH /{
  /^\.IP$/d
  s/^\\f(CW\(.*\)\\fR$/\1/
  /^\.SH EXAMPLES$/{
    a .nf
    b
  }
  /^\.SH /i .fi
}
