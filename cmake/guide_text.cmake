# The Japanese guide as Notepad shows it: plain lines that read without the
# Markdown marks. Included by release_zip.cmake (script mode).
#   guide_text(<out-var> <markdown text>)
# - "# title" becomes the title over a line of "="; "## x" becomes "【x】",
#   "### x" and deeper "■ x".
# - Backticks and bold marks go, their text stays; a link keeps its text.
# - A picture goes, and so does its note: a paragraph in parentheses right
#   after it.
# - A table becomes one list line a row: "- first: second (header: third)",
#   further columns like the third; its header and rule lines go. A rule
#   between parts (---) becomes a blank line.
# - A line wider than guide_text_columns is wrapped: between Japanese
#   characters (not before closing nor after opening punctuation), at
#   spaces between ASCII words; continuation lines are indented under the
#   text of a list item.
# Widths are display columns: ASCII takes one, every other character two
# (as in a Japanese monospaced font; its half-width katakana take one, so a
# line with them comes out a little shorter).

cmake_policy(VERSION 3.20)

set(guide_text_columns 80)

# CMake lists split on ";" (and not inside "[...]") and escape with "\":
# these characters travel as control bytes while the text is a list.
string(ASCII 1 guide_text_semicolon)
string(ASCII 2 guide_text_open_bracket)
string(ASCII 3 guide_text_close_bracket)
string(ASCII 4 guide_text_backslash)
string(ASCII 128 guide_text_x80)
string(ASCII 191 guide_text_xbf)
string(ASCII 192 guide_text_xc0)
string(ASCII 255 guide_text_xff)
# One character of UTF-8: a lead byte and its continuation bytes.
set(guide_text_wide_char "[${guide_text_xc0}-${guide_text_xff}][${guide_text_x80}-${guide_text_xbf}]*")
# Never at the start of a line, never at the end of one.
set(guide_text_no_start "、。，．・：；？！ー」』）】〕］｝〉》〜ぁぃぅぇぉっゃゅょァィゥェォッャュョﾟ)]},.:?!%${guide_text_semicolon}${guide_text_close_bracket}")
set(guide_text_no_end "「『（【〔［｛〈《([{${guide_text_open_bracket}")
# Scripts, as UTF-8 bytes: hiragana (U+3041-309F), katakana (U+30A0-30FF,
# with the long vowel mark), kanji (U+4E00-9FFF, and 々).
string(ASCII 129 guide_text_x81)
string(ASCII 130 guide_text_x82)
string(ASCII 131 guide_text_x83)
string(ASCII 159 guide_text_x9f)
string(ASCII 160 guide_text_xa0)
string(ASCII 227 guide_text_xe3)
string(ASCII 228 guide_text_xe4)
string(ASCII 233 guide_text_xe9)
set(guide_text_hiragana
    "${guide_text_xe3}${guide_text_x81}[${guide_text_x81}-${guide_text_xbf}]|${guide_text_xe3}${guide_text_x82}[${guide_text_x80}-${guide_text_x9f}]")
set(guide_text_katakana
    "${guide_text_xe3}${guide_text_x82}[${guide_text_xa0}-${guide_text_xbf}]|${guide_text_xe3}${guide_text_x83}[${guide_text_x80}-${guide_text_xbf}]")
set(guide_text_kanji "[${guide_text_xe4}-${guide_text_xe9}][${guide_text_x80}-${guide_text_xbf}][${guide_text_x80}-${guide_text_xbf}]|々")
# Stand-ins for the spans that a line never breaks inside: "<SO>n<SI>" is
# the n-th of guide_text_kept (a quoted caption, a path, a value with its unit).
string(ASCII 14 guide_text_keep_open)
string(ASCII 15 guide_text_keep_close)
# The quote marks of a caption, one byte each while spans are looked for.
string(ASCII 5 guide_text_quote_open)
string(ASCII 6 guide_text_quote_close)

function(guide_text_width out text)
  guide_text_expand(text "${text}")
  string(REGEX REPLACE "${guide_text_wide_char}" "ww" columns "${text}")
  string(LENGTH "${columns}" width)
  set(${out} ${width} PARENT_SCOPE)
endfunction()

# The text with every stand-in put back, also stand-ins inside a span.
function(guide_text_expand out text)
  while(text MATCHES "${guide_text_keep_open}([0-9]+)${guide_text_keep_close}")
    list(GET guide_text_kept ${CMAKE_MATCH_1} span)
    string(REPLACE "${CMAKE_MATCH_0}" "${span}" text "${text}")
  endwhile()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Replaces each span that the pattern matches in the named variable with a
# stand-in, and keeps the span in guide_text_kept.
macro(guide_text_keep var pattern)
  while(${var} MATCHES "${pattern}")
    list(LENGTH guide_text_kept guide_text_index)
    list(APPEND guide_text_kept "${CMAKE_MATCH_0}")
    string(REPLACE "${CMAKE_MATCH_0}" "${guide_text_keep_open}${guide_text_index}${guide_text_keep_close}" ${var}
                   "${${var}}")
  endwhile()
endmacro()

# A character's script: hiragana, katakana, kanji, digit or other.
function(guide_text_script out char)
  if(char MATCHES "^(${guide_text_hiragana})$")
    set(${out} hiragana PARENT_SCOPE)
  elseif(char MATCHES "^(${guide_text_katakana})$")
    set(${out} katakana PARENT_SCOPE)
  elseif(char MATCHES "^(${guide_text_kanji})$")
    set(${out} kanji PARENT_SCOPE)
  elseif(char MATCHES "^[0-9]$")
    set(${out} digit PARENT_SCOPE)
  else()
    set(${out} other PARENT_SCOPE)
  endif()
endfunction()

# Whether a line may break between two pieces of text, with or without
# blanks between them. Never before closing or after opening punctuation;
# never before hiragana, so that particles and endings ("を", "ます。") stay
# with the word before them, also across a blank; never inside a word of
# katakana or of kanji, nor after one hiragana between kanji ("取り込み");
# never at a blank beside a number ("2 台", "320 x 240"). Quoted
# captions, paths and values with their unit are kept whole beforehand.
function(guide_text_may_break out before blank after)
  guide_text_expand(before "${before}")
  guide_text_expand(after "${after}")
  string(REGEX MATCH "^(${guide_text_wide_char}|.)" first "${after}")
  string(REGEX MATCH "(${guide_text_wide_char}|.)$" last "${before}")
  string(FIND "${guide_text_no_start}" "${first}" closing)
  string(FIND "${guide_text_no_end}" "${last}" opening)
  guide_text_script(first_script "${first}")
  guide_text_script(last_script "${last}")
  # One hiragana between kanji is inside a word: 取り込み, 差し替え.
  set(okurigana FALSE)
  if(NOT blank AND last_script STREQUAL "hiragana" AND first_script STREQUAL "kanji" AND
     before MATCHES "(${guide_text_kanji})(${guide_text_hiragana})$")
    set(okurigana TRUE)
  endif()
  set(may TRUE)
  if(NOT closing EQUAL -1 OR NOT opening EQUAL -1 OR first_script STREQUAL "hiragana" OR okurigana)
    set(may FALSE)
  elseif(blank)
    # A number and what it counts; a name and the word it begins
    # ("NOLB パネル", "Enter キー").
    if(first_script STREQUAL "digit" OR last_script STREQUAL "digit" OR
       (last MATCHES "^[A-Za-z]$" AND first_script STREQUAL "katakana"))
      set(may FALSE)
    endif()
  elseif(NOT first MATCHES "^${guide_text_wide_char}$" AND NOT last MATCHES "^${guide_text_wide_char}$")
    set(may FALSE)  # inside a word of ASCII
  elseif(first_script STREQUAL last_script AND (first_script STREQUAL "katakana" OR first_script STREQUAL "kanji"))
    set(may FALSE)
  endif()
  set(${out} ${may} PARENT_SCOPE)
endfunction()

# Appends the line, wrapped, to the list named by out.
function(guide_text_wrap out line)
  set(lines "${${out}}")
  guide_text_width(width "${line}")
  if(width LESS_EQUAL guide_text_columns)
    list(APPEND lines "${line}")
    set(${out} "${lines}" PARENT_SCOPE)
    return()
  endif()
  # The lead of a list item, and as many blanks for the lines that follow.
  set(lead "")
  if(line MATCHES "^( *([-*] |[0-9]+\\. )?)[^ ]")
    set(lead "${CMAKE_MATCH_1}")
  endif()
  string(LENGTH "${lead}" lead_length)
  string(SUBSTRING "${line}" ${lead_length} -1 rest)
  string(REPEAT " " ${lead_length} indent)
  math(EXPR room "${guide_text_columns} - ${lead_length}")

  # Spans that stay whole: quoted captions (the innermost first), paths,
  # and values with their unit.
  set(guide_text_kept "")
  string(REPLACE "「" "${guide_text_quote_open}" rest "${rest}")
  string(REPLACE "」" "${guide_text_quote_close}" rest "${rest}")
  guide_text_keep(rest "${guide_text_quote_open}[^${guide_text_quote_open}${guide_text_quote_close}]*${guide_text_quote_close}")
  string(REPLACE "${guide_text_quote_open}" "「" guide_text_kept "${guide_text_kept}")
  string(REPLACE "${guide_text_quote_close}" "」" guide_text_kept "${guide_text_kept}")
  string(REPLACE "${guide_text_quote_open}" "「" rest "${rest}")
  string(REPLACE "${guide_text_quote_close}" "」" rest "${rest}")
  guide_text_keep(rest "([A-Za-z]:|%[A-Za-z]+%)${guide_text_backslash}[^ ]*( [A-Za-z0-9(][!-~]*[A-Za-z0-9)])*")
  guide_text_keep(rest "[0-9]+ (x|×) [0-9]+")
  guide_text_keep(rest "[0-9]+(\\.[0-9]+)? ?(つ目|つ|番目|秒|回|台|行|ピクセル|ビット|%|fps|ms|MB)")

  # Pieces that stay together: runs of characters between which the line
  # may not break, with the blanks inside them.
  string(REGEX MATCHALL " +|[^ ${guide_text_x80}-${guide_text_xff}]+|${guide_text_wide_char}" tokens "${rest}")
  set(pieces "")
  set(piece "")
  set(blank "")
  foreach(token IN LISTS tokens)
    if(token MATCHES "^ ")
      set(blank "${token}")
      continue()
    endif()
    if(piece STREQUAL "")
      set(piece "${token}")
    else()
      guide_text_may_break(may "${piece}" "${blank}" "${token}")
      if(may)
        list(APPEND pieces "${piece}")
        if(NOT blank STREQUAL "")
          list(APPEND pieces "${blank}")
        endif()
        set(piece "${token}")
      else()
        string(APPEND piece "${blank}${token}")
      endif()
    endif()
    set(blank "")
  endforeach()
  list(APPEND pieces "${piece}")

  set(current "")
  set(current_width 0)
  set(blank "")
  set(blank_width 0)
  set(first TRUE)
  foreach(piece IN LISTS pieces)
    guide_text_width(piece_width "${piece}")
    if(piece MATCHES "^ ")
      if(NOT current STREQUAL "")
        set(blank "${piece}")
        set(blank_width ${piece_width})
      endif()
      continue()
    endif()
    math(EXPR wanted "${current_width} + ${blank_width} + ${piece_width}")
    if(current STREQUAL "" OR wanted LESS_EQUAL room)
      string(APPEND current "${blank}${piece}")
      set(current_width ${wanted})
    else()
      guide_text_expand(current "${current}")
      if(first)
        list(APPEND lines "${lead}${current}")
        set(first FALSE)
      else()
        list(APPEND lines "${indent}${current}")
      endif()
      set(current "${piece}")
      set(current_width ${piece_width})
    endif()
    set(blank "")
    set(blank_width 0)
  endforeach()
  guide_text_expand(current "${current}")
  if(first)
    list(APPEND lines "${lead}${current}")
  else()
    list(APPEND lines "${indent}${current}")
  endif()
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The cells of a table row, trimmed.
function(guide_text_cells out row)
  string(REGEX REPLACE "^ *\\| *" "" row "${row}")
  string(REGEX REPLACE " *\\| *$" "" row "${row}")
  string(REGEX REPLACE " *\\| *" ";" cells "${row}")
  set(${out} "${cells}" PARENT_SCOPE)
endfunction()

function(guide_text out markdown)
  string(REPLACE "\r\n" "\n" text "${markdown}")
  string(REPLACE "`" "" text "${text}")
  string(REPLACE "**" "" text "${text}")
  # A link keeps its text; a picture is dropped below, whole.
  string(REGEX REPLACE "([^!]|^)\\[([^]\n]*)\\]\\([^)\n]*\\)" "\\1\\2" text "${text}")
  string(REPLACE ";" "${guide_text_semicolon}" text "${text}")
  string(REPLACE "[" "${guide_text_open_bracket}" text "${text}")
  string(REPLACE "]" "${guide_text_close_bracket}" text "${text}")
  string(REPLACE "\\" "${guide_text_backslash}" text "${text}")
  string(REPLACE "\n" ";" source_lines "${text}")

  set(lines "")
  set(picture "")           # "after" a picture (blank lines since), in its "note"
  set(header "")            # the header cells of the table being read
  set(in_table FALSE)
  foreach(line IN LISTS source_lines)
    if(line MATCHES "^!${guide_text_open_bracket}")
      set(picture "after")
      continue()
    elseif(picture STREQUAL "after" AND line MATCHES "^(\\(|（)")
      set(picture "note")
    elseif(picture STREQUAL "note" AND line STREQUAL "")
      set(picture "")
    elseif(picture STREQUAL "after" AND NOT line STREQUAL "")
      set(picture "")
    endif()
    if(picture STREQUAL "note")
      continue()
    endif()

    if(line MATCHES "^ *\\|")
      if(NOT in_table)
        guide_text_cells(header "${line}")
        set(in_table TRUE)
      elseif(NOT line MATCHES "^ *\\|[-:| ]+\\| *$")
        guide_text_cells(cells "${line}")
        list(GET cells 0 key)
        list(LENGTH cells count)
        set(row "- ${key}")
        if(count GREATER 1)
          list(GET cells 1 value)
          string(APPEND row ": ${value}")
        endif()
        if(count GREATER 2)
          math(EXPR last "${count} - 1")
          foreach(i RANGE 2 ${last})
            list(GET cells ${i} value)
            list(LENGTH header header_count)
            if(i LESS header_count)
              list(GET header ${i} name)
              string(APPEND row " (${name}: ${value})")
            else()
              string(APPEND row " (${value})")
            endif()
          endforeach()
        endif()
        guide_text_wrap(lines "${row}")
      endif()
      continue()
    endif()
    set(in_table FALSE)

    if(line MATCHES "^ *(---+|\\*\\*\\*+) *$")
      list(APPEND lines "")  # a rule between parts
    elseif(line MATCHES "^# +(.*)$")
      set(title "${CMAKE_MATCH_1}")
      guide_text_width(width "${title}")
      string(REPEAT "=" ${width} rule)
      list(APPEND lines "${title}" "${rule}")
    elseif(line MATCHES "^## +(.*)$")
      guide_text_wrap(lines "【${CMAKE_MATCH_1}】")
    elseif(line MATCHES "^###+ +(.*)$")
      guide_text_wrap(lines "■ ${CMAKE_MATCH_1}")
    else()
      guide_text_wrap(lines "${line}")
    endif()
  endforeach()

  string(REPLACE ";" "\n" text "${lines}")
  string(REPLACE "${guide_text_semicolon}" ";" text "${text}")
  string(REPLACE "${guide_text_open_bracket}" "[" text "${text}")
  string(REPLACE "${guide_text_close_bracket}" "]" text "${text}")
  string(REPLACE "${guide_text_backslash}" "\\" text "${text}")
  string(REGEX REPLACE "^\n+" "" text "${text}")
  string(REGEX REPLACE "\n\n\n+" "\n\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
