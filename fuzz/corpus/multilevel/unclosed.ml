{ MULTILEVEL
  { S
  }