# The headers write their documentation as plain // comments above each declaration; Doxygen
# reads them as /// comments. Trailing comments after code stay plain comments.
s#^([[:space:]]*)//( |$)#\1///\2#
