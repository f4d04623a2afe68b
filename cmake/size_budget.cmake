# Fails the build of an executable that outgrew its budget (cmake -Dfile=... -Dbudget=... -P): what the
# program costs to download and to keep mapped is a property of the build, on either compiler. The file
# is removed, so the next build links it again and fails again instead of finding it up to date.
file(SIZE "${file}" size)
if(size GREATER budget)
  file(REMOVE "${file}")
  message(FATAL_ERROR "${file}: ${size} bytes, over its budget of ${budget} bytes")
endif()
