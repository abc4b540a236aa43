{ MULTILEVEL
  a=1

  no equals sign
}
