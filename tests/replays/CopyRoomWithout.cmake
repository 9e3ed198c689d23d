# Copies the room folder SOURCE to DEST and deletes REMOVE (relative to DEST) from the copy.
file(REMOVE_RECURSE "${DEST}")
file(COPY "${SOURCE}/" DESTINATION "${DEST}")
file(REMOVE "${DEST}/${REMOVE}")
if(EXISTS "${DEST}/${REMOVE}")
    message(FATAL_ERROR "could not remove ${REMOVE} from the copy")
endif()
